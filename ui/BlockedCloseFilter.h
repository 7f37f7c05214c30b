#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

// The window manager's request to close the game's window (its close button: WM_DELETE_WINDOW on
// X11), seen even while a modal message box blocks the window, where Qt would drop it. Qt's X11
// platform holds the request back, as user input, while a sound plays, and so delivers it only in
// the next message box's loop: without this, a close during the sound of a winning guess would
// be lost. Elsewhere (Wayland) Qt delivers the request at once and this does nothing.
class BlockedCloseFilter : public QAbstractNativeEventFilter
{
public:
    // Calls onClose for a close request of window that comes while a modal widget is open.
    BlockedCloseFilter(const QWidget &window, std::function<void()> onClose);
    ~BlockedCloseFilter() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    const QWidget &m_window;
    std::function<void()> m_onClose;
    quint32 m_protocols = 0;
    quint32 m_deleteWindow = 0;
};
