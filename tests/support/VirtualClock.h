#pragma once

#include "Clock.h"
#include "Pending.h"

// The game's time in tests: every wait ends at the next turn of the event loop, its time counted,
// so that no test waits on the wall clock and a busy machine cannot change what it sees.
struct VirtualClock : Clock
{
    explicit VirtualClock(const CloseGuard &closeGuard) : guard(closeGuard) {}

    Task<> sleep(int milliseconds) override
    {
        ++waits;
        now += milliseconds;
        last = milliseconds;
        Pending<> due(guard);
        due.finish();
        co_await due;
    }

    const CloseGuard &guard;
    qint64 now = 0;
    int waits = 0;
    int last = 0; // the length of the last wait
};
