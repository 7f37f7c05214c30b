// wm_close WINDOW_ID: asks the window to close as a window manager's close button does, with a
// WM_DELETE_WINDOW client message.
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

int main(int argc, char *argv[])
{
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (argc != 2 || xcb_connection_has_error(x))
        return 2;
    auto atom = [x](const char *name) {
        auto *reply =
            xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t found = reply->atom;
        std::free(reply);
        return found;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    xcb_send_event(x, 0, event.window, XCB_EVENT_MASK_NO_EVENT, (const char *)&event);
    // A round trip before going: on a busy machine the X server drops the requests of a client
    // that has already hung up, and the close would never reach the window.
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    xcb_disconnect(x);
    return 0;
}
