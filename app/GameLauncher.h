#pragma once

#include <QByteArray>

#include <functional>

class CloseGuard;
class IPlatformServices;

// Starts the game: loads the window and, once its word file has been read, shows it and runs the
// event loop until the game closes. Returns the program's exit status: the guard's once it is
// closing (0, or 130 after SIGINT), 0 after QUIT or closing the window, 1 when the word file is
// missing (the player has been told), 2 when it could not be read to the end (reported with its
// error number, file and line), 3 after an unexpected run-time error. The window is never shown
// with a half-read word file. afterShown runs once the window has been shown, before the event
// loop starts.
int launchGame(IPlatformServices &services, CloseGuard &guard, const QByteArray &wordFile,
               const std::function<void()> &afterShown = {});
