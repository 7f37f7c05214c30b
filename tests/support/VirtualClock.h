#pragma once

#include "Clock.h"
#include "Pending.h"

#include <algorithm>

// The game's time in tests: every wait ends at once, at the next turn of the event loop, and the
// time it would have taken is counted, so that a test sees how long the game waits without
// waiting on the wall clock, and a busy machine cannot change what it sees.
struct VirtualClock : Clock
{
    explicit VirtualClock(const CloseGuard &closeGuard) : guard(closeGuard) {}

    Task<> sleep(int milliseconds) override
    {
        ++waits;
        now += std::max(0, milliseconds);
        Pending<> due(guard);
        due.finish();
        co_await due;
    }

    const CloseGuard &guard;
    qint64 now = 0;
    int waits = 0;
};
