#pragma once

#include <QtGlobal>

// The game counts positions, counters and pixels in signed 16-bit integers. Both helpers raise
// run-time error 6 (overflow) instead of wrapping.

// The nearest whole number, an exact half going to the even neighbour (14.5 gives 14).
qint16 toInteger16(double value);

// a + b, checked.
qint16 addInteger16(qint16 a, int b);
