#pragma once

#include "Task.h"

#include <QObject>

#include <deque>
#include <functional>

class CloseGuard;
class IPlatformServices;
class QWidget;

// Runs the window's event handlers one at a time, each to its end, its waits included: a handler
// asked for while another runs or waits (a letter typed during a reveal, a click during a sound)
// waits its turn in this queue, in order. A run-time error that no handler expected (out of
// memory among them) is reported as "Run-time error 'N'", and once its box is closed the event
// loop ends with status 3, before another handler's turn. Once the game is closing no handler
// starts, and one that waits stays at its wait until the runner goes (base/Pending.h).
class HandlerRunner
{
public:
    using Handler = std::function<Task<>()>;

    // afterEach runs after every handler that leaves the window open.
    HandlerRunner(QWidget &window, IPlatformServices &services, const CloseGuard &guard,
                  std::function<void()> afterEach = {});

    void run(Handler handler);
    // Whether no handler runs, waits or waits its turn.
    bool isIdle() const { return m_running.hasEnded() && m_waiting.empty(); }

private:
    void next();
    Task<> runOne(Handler handler);

    QWidget &m_window;
    IPlatformServices &m_services;
    const CloseGuard &m_guard;
    std::function<void()> m_afterEach;
    QObject m_context; // for the next turn, from the event loop
    std::deque<Handler> m_waiting;
    Task<> m_running;
};
