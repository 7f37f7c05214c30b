#pragma once

#include <QtGlobal>

// The drawing operations the word board needs from a picture box that counts in pixels. Colours
// are colour numbers (red + 256 green + 65536 blue).
class BoardCanvas
{
public:
    virtual ~BoardCanvas() = default;

    // Clears the drawing area to the background colour.
    virtual void Cls() = 0;
    // The size of the drawing area.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    // The outline of the rectangle with these corners, both included.
    virtual void drawBox(float x1, float y1, float x2, float y2, qint32 color) = 0;
    // The colour of one pixel, or -1 outside the drawing area; setting one outside does nothing.
    virtual qint32 Point(double x, double y) const = 0;
    virtual void PSet(double x, double y, qint32 color) = 0;
};
