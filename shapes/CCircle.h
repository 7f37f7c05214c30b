#pragma once

#include "IDrawable.h"

#include <QtGlobal>

// The outline of a full circle.
class CCircle : public IDrawable
{
public:
    double Radius() const { return m_radius; }
    void setRadius(double vNewValue) { m_radius = vNewValue; }
    double X() const { return m_x; }
    void setX(double vNewValue) { m_x = vNewValue; }
    double Y() const { return m_y; }
    void setY(double vNewValue) { m_y = vNewValue; }
    qint32 Color() const { return m_color; }
    void setColor(qint32 vNewValue) { m_color = vNewValue; }

    void Draw(ShapeCanvas &picBox) const override;

private:
    double m_x = 0;
    double m_y = 0;
    double m_radius = 0;
    qint32 m_color = 0;
};
