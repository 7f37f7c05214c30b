#pragma once

#include "HandlerRunner.h"

#include <QByteArray>

#include <functional>

class CloseGuard;
class GameExecutive;
class IPlatformServices;

// Starts the game, as the window's first step: loads the window and, once its word file has been
// read, shows it; afterShown then runs after the window's own first steps. When the game cannot
// start the window is never shown, and the event loop ends with the status: 1 when the word file
// is missing (the player has been told), 2 when it could not be read to its end (reported with
// its error number, file and line).
void startGame(GameExecutive &window, IPlatformServices &services,
               HandlerRunner::Handler afterShown = {});

// Starts the game and runs the event loop until it ends. Returns the program's exit status: the
// guard's once it is closing (0, or 130 after SIGINT), 0 after QUIT or closing the window, 1 or 2
// when the game cannot start, 3 after an unexpected run-time error. The status goes to `end`
// first, if given, with the window still up: taking a Wayland window down while a repaint's frame
// callback is in flight can abort the program inside Qt 6.4's Wayland client (libwayland's
// "wl_proxy_unref: Assertion `proxy->refcount > 0' failed", from Qt's frame-callback thread),
// so the program ends with its window standing and leaves it to the system.
int launchGame(IPlatformServices &services, CloseGuard &guard, const QByteArray &wordFile,
               HandlerRunner::Handler afterShown = {}, const std::function<void(int)> &end = {});
