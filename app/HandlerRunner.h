#pragma once

#include <deque>
#include <functional>

class CloseGuard;
class IPlatformServices;
class QWidget;

// Runs the window's event handlers, one at a time and each to its end, and ends the program the
// way a handler asks or fails: ProgramEnd (the game is closing) ends it with its status; a
// run-time error that no handler expected (out of memory among them) is reported as "Run-time
// error 'N'" and ends it with status 3. A handler asked for while another runs (a key that a
// screen reader's bridge hands back during a reveal, a click an access key makes a moment later)
// waits its turn. Once the game is closing, no handler runs.
class HandlerRunner
{
public:
    // afterEach runs after every handler that leaves the window open.
    HandlerRunner(QWidget &window, IPlatformServices &services, const CloseGuard &guard,
                  std::function<void()> afterEach = {});

    void run(const std::function<void()> &handler);

private:
    void runNow(const std::function<void()> &handler);
    void endWithRunTimeError(int number);

    QWidget &m_window;
    IPlatformServices &m_services;
    const CloseGuard &m_guard;
    std::function<void()> m_afterEach;
    std::deque<std::function<void()>> m_waiting;
    bool m_running = false;
};
