#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines when it is wider than the button, as the
// game's narrow buttons need. An "&" in the caption marks the access key (Alt + that letter).
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
