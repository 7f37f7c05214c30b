#pragma once

#include "Task.h"

// Where the game's waits take their time: the system's clock in the game, one that the test
// advances in tests, so that a busy machine cannot change what a test sees.
class Clock
{
public:
    virtual ~Clock() = default;

    // Ends once that many milliseconds (0 or more) have passed, at a turn of the event loop. It
    // keeps the close guard's rule of every wait (base/Pending.h).
    virtual Task<> sleep(int milliseconds) = 0;
};
