#pragma once

#include <QAccessible>
#include <QWidget>

// Sets what a screen reader says about the widget's state and tells assistive technology at
// once, so that a change during a game is announced, not only found on the next visit.
inline void setSpokenDescription(QWidget &widget, const QString &text)
{
    if (widget.accessibleDescription() == text)
        return;
    widget.setAccessibleDescription(text);
    QAccessibleEvent event(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
