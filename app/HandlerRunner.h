#pragma once

#include "InterruptibleServices.h"

#include <functional>

class QWidget;

// Runs the window's event handlers and ends the program the way a handler asks or fails:
// ProgramEnd ends it with its status; a run-time error that no handler expected (out of memory
// among them) is reported as "Run-time error 'N'" and ends it with status 3. A close that the
// window system asks for while a handler waits (a sound, a reveal) hides the window at once;
// the handler is stopped after that wait and the program ends with status 0.
class HandlerRunner
{
public:
    // afterEach runs after every handler that leaves the window open.
    HandlerRunner(QWidget &window, IPlatformServices &platform,
                  std::function<void()> afterEach = {});

    // The services the handlers use: they end a handler whose window has been closed.
    InterruptibleServices &services() { return m_services; }

    void run(const std::function<void()> &handler);
    // True when a close asked for now has to wait for the running handler: the window has been
    // hidden and the handler will end after its wait.
    bool deferClose();

private:
    void endWithRunTimeError(int number);

    QWidget &m_window;
    IPlatformServices &m_platform;
    InterruptibleServices m_services;
    std::function<void()> m_afterEach;
    int m_running = 0;
};
