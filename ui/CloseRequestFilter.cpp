#include "CloseRequestFilter.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>
#include <xcb/xcb.h>

namespace {

quint32 atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const quint32 found = reply ? reply->atom : 0;
    std::free(reply);
    return found;
}

} // namespace

CloseRequestFilter::CloseRequestFilter(const QWidget &window, std::function<void()> onClose)
    : m_window(window), m_onClose(std::move(onClose))
{
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    m_protocols = atom(connection, "WM_PROTOCOLS");
    m_deleteWindow = atom(connection, "WM_DELETE_WINDOW");
    qApp->installNativeEventFilter(this);
}

CloseRequestFilter::~CloseRequestFilter()
{
    if (qApp)
        qApp->removeNativeEventFilter(this);
}

bool CloseRequestFilter::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t" || m_protocols == 0)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *request = static_cast<const xcb_client_message_event_t *>(message);
    if (request->type != m_protocols || request->data.data32[0] != m_deleteWindow ||
        request->window != m_window.internalWinId())
        return false;
    m_onClose();
    return true;
}
