#pragma once

#include <memory>

class QApplication;

// Opens the window system as QApplication does. When no graphical desktop answers (no DISPLAY or
// WAYLAND_DISPLAY, one that refuses the connection, or one that takes it and does not answer
// within 10 seconds), Qt would abort the program or wait for ever; instead this says so in one
// line on stderr and ends it with ExitStatus::NoDisplay. What Qt says meanwhile is printed after
// the window system is open. argc must outlive the application.
std::unique_ptr<QApplication> openWindowSystem(int &argc, char *argv[]);
