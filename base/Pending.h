#pragma once

#include "CloseGuard.h"

#include <QObject>

#include <coroutine>
#include <optional>
#include <utility>
#include <variant>

// The end of a wait, which a handler awaits and its source gives: a timer that runs out, a sound
// that has played, a box that is answered. This is where every wait keeps the close guard's rule:
// the handler goes on from the event loop, never inside the source's own call, and only while
// the game is not closing; once it is, the handler stays at its wait until it is destroyed, and
// the wait with it, so nothing that would follow the wait happens.
template <typename T = std::monostate>
class Pending
{
public:
    explicit Pending(const CloseGuard &guard) : m_guard(guard) {}
    Pending(const Pending &) = delete;
    Pending &operator=(const Pending &) = delete;

    // The wait is over, with its value; only the first call counts.
    void finish(T value = T())
    {
        if (m_value)
            return;
        m_value = std::move(value);
        QMetaObject::invokeMethod(
            &m_context, [this] { goOn(); }, Qt::QueuedConnection);
    }

    bool await_ready() const noexcept { return m_due && !m_guard.isClosing(); }
    void await_suspend(std::coroutine_handle<> handler) noexcept { m_handler = handler; }
    T await_resume() { return std::move(*m_value); }

private:
    void goOn()
    {
        if (m_guard.isClosing())
            return;
        if (!m_handler)
            m_due = true; // over before it was awaited
        else
            std::exchange(m_handler, {}).resume();
    }

    const CloseGuard &m_guard;
    QObject m_context; // a queued call to a wait that has gone is dropped with it
    std::optional<T> m_value;
    std::coroutine_handle<> m_handler;
    bool m_due = false;
};
