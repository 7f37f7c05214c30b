#include "Integer16.h"

#include "RunTimeError.h"

#include <cmath>
#include <limits>

qint16 toInteger16(double value)
{
    const double rounded = std::nearbyint(value); // to nearest, an exact half to even
    if (!(rounded >= std::numeric_limits<qint16>::min() &&
          rounded <= std::numeric_limits<qint16>::max()))
        throw RunTimeError(ErrorNumber::Overflow);
    return static_cast<qint16>(rounded);
}

qint16 addInteger16(qint16 a, int b)
{
    const long sum = static_cast<long>(a) + b;
    if (sum < std::numeric_limits<qint16>::min() || sum > std::numeric_limits<qint16>::max())
        throw RunTimeError(ErrorNumber::Overflow);
    return static_cast<qint16>(sum);
}
