#pragma once

// A position. Points are shared: a point held by several polylines moves all of them.
class CPoint
{
public:
    double X() const { return m_x; }
    void setX(double vNewValue) { m_x = vNewValue; }
    double Y() const { return m_y; }
    void setY(double vNewValue) { m_y = vNewValue; }

private:
    double m_x = 0;
    double m_y = 0;
};
