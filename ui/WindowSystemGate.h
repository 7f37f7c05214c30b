#pragma once

#include <qpa/qwindowsysteminterface_p.h>

#include <QList>

#include <memory>

class CloseGuard;

// The window system's events (X11 or Wayland) as they leave Qt's queue, before Qt acts on them:
// the first place where the game can see a request to close its window. Qt would hold such a
// request back as user input while the game waits, and drop it while a message box blocks the
// window; here it goes to the close guard at once. A close request for a message box is the box's
// own (it answers as Escape does).
//
// While a Hold lives (a pause, a sound), user input (keys, clicks, the pointer) is held back here
// instead, so that the close request can pass it; when the hold ends it is given back to Qt's
// queue, ahead of anything newer and in its order, and a letter typed during a reveal is guessed
// once the reveal is over. Once the game is closing, input is dropped.
//
// Qt's private window-system interface: the game is built against the Qt it runs with.
class WindowSystemGate : public QWindowSystemEventHandler
{
public:
    explicit WindowSystemGate(CloseGuard &guard);
    ~WindowSystemGate() override;
    WindowSystemGate(const WindowSystemGate &) = delete;
    WindowSystemGate &operator=(const WindowSystemGate &) = delete;

    bool sendEvent(QWindowSystemInterfacePrivate::WindowSystemEvent *event) override;

    class Hold
    {
    public:
        explicit Hold(WindowSystemGate &gate) : m_gate(gate) { ++m_gate.m_holds; }
        ~Hold();
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

    private:
        WindowSystemGate &m_gate;
    };

private:
    void giveBack();

    CloseGuard &m_guard;
    int m_holds = 0;
    QList<QWindowSystemInterfacePrivate::WindowSystemEvent *> m_held;
};
