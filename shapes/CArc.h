#pragma once

#include "IDrawable.h"

#include <QtGlobal>

// The part of a circle that runs counter-clockwise on the screen from StartLine to EndLine
// (radians, 0 to the right, pi/2 up).
class CArc : public IDrawable
{
public:
    double X() const { return m_x; }
    void setX(double XValue) { m_x = XValue; }
    double Y() const { return m_y; }
    void setY(double YValue) { m_y = YValue; }
    qint32 Color() const { return m_color; }
    void setColor(qint32 ColorValue) { m_color = ColorValue; }
    double Radius() const { return m_radius; }
    void setRadius(double RadiusValue) { m_radius = RadiusValue; }
    double StartLine() const { return m_startLine; }
    void setStartLine(double vNewValue) { m_startLine = vNewValue; }
    double EndLine() const { return m_endLine; }
    void setEndLine(double vNewValue) { m_endLine = vNewValue; }

    void Draw(ShapeCanvas &picBox) const override;

private:
    double m_x = 0;
    double m_y = 0;
    qint32 m_color = 0;
    double m_radius = 0;
    double m_startLine = 0;
    double m_endLine = 0;
};
