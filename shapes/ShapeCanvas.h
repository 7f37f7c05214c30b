#pragma once

#include <QtGlobal>

// The two drawing operations that shapes need from a picture box. Coordinates, radius and angles
// are in the box's own logical units; the colour is a colour number (red + 256 green + 65536
// blue). The box draws with its own pen settings.
class ShapeCanvas
{
public:
    virtual ~ShapeCanvas() = default;

    // A straight segment between two absolute points, both ends included.
    virtual void Line(float x1, float y1, float x2, float y2, qint32 color) = 0;
    // The outline of a circle.
    virtual void Circle(float x, float y, float radius, qint32 color) = 0;
    // The arc of that circle that runs counter-clockwise, as seen on the screen, from the start
    // angle to the end angle (radians; 0 points right and pi/2 up on the screen).
    virtual void Circle(float x, float y, float radius, qint32 color, float start, float end) = 0;
};
