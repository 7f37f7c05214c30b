#pragma once

class ShapeCanvas;

// A shape that can draw itself on a picture box. Drawing only adds to the box; the shape sets no
// drawing attribute of it and keeps no reference to it.
class IDrawable
{
public:
    virtual ~IDrawable() = default;
    virtual void Draw(ShapeCanvas &picBox) const = 0;
};
