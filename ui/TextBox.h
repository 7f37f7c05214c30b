#pragma once

#include <QLineEdit>

// A one-line text box that a screen reader announces when it is tabbed into. Qt tells of the
// caret that Tab puts in the box before it tells of the focus, and Orca then takes the box for
// one it has already spoken of; here the caret is not told as the box takes the focus (a screen
// reader reads the box's text on the focus anyway).
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override;
};
