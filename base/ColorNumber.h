#pragma once

#include <QtGlobal>

// Colours as the game stores them: red + 256 green + 65536 blue in a signed 32-bit number.
constexpr qint32 RGB(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}
