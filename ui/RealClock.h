#pragma once

#include "Clock.h"

class CloseGuard;

// The system's clock: a wait is a timer, and the event loop serves the window meanwhile.
class RealClock : public Clock
{
public:
    explicit RealClock(const CloseGuard &guard) : m_guard(guard) {}

    Task<> sleep(int milliseconds) override;

private:
    const CloseGuard &m_guard;
};
