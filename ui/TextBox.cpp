#include "TextBox.h"

#include <QAccessible>

namespace {

void tellNothing(QAccessibleEvent *)
{}

} // namespace

void TextBox::focusInEvent(QFocusEvent *event)
{
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(tellNothing);
    QLineEdit::focusInEvent(event);
    QAccessible::installUpdateHandler(previous);
}
