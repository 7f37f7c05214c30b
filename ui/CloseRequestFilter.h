#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

// The window manager's request to close the game's window (its close button: WM_DELETE_WINDOW on
// X11), taken at once. Qt's X11 platform holds the request back, as user input, while a handler
// waits (a sound, a reveal), and a request that comes in with keys typed meanwhile is queued
// behind them: the key starts a guess, and the request reaches the window only when the guess's
// message box blocks it, where Qt drops it. Elsewhere (Wayland) Qt delivers the request at once
// and this does nothing.
class CloseRequestFilter : public QAbstractNativeEventFilter
{
public:
    // Calls onClose, instead of Qt, for each close request of window.
    CloseRequestFilter(const QWidget &window, std::function<void()> onClose);
    ~CloseRequestFilter() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    const QWidget &m_window;
    std::function<void()> m_onClose;
    quint32 m_protocols = 0;
    quint32 m_deleteWindow = 0;
};
