#include "RealClock.h"

#include "Pending.h"

#include <QTimer>

#include <algorithm>

Task<> RealClock::sleep(int milliseconds)
{
    Pending<> due(m_guard);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&due] { due.finish(); });
    timer.start(std::max(0, milliseconds));
    co_await due;
}
