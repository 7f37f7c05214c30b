#pragma once

#include <QColor>
#include <QtGlobal>

// Colours as the game stores them: red + 256 green + 65536 blue in a signed 32-bit number.
constexpr qint32 RGB(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

inline QColor toQColor(qint32 color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

inline qint32 toColorNumber(QColor color)
{
    return RGB(color.red(), color.green(), color.blue());
}
