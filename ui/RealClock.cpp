#include "RealClock.h"

#include "Pending.h"

#include <QTimer>

Task<> RealClock::sleep(int milliseconds)
{
    Pending<> due(m_guard);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&due] { due.finish(); });
    timer.start(milliseconds);
    co_await due;
}
