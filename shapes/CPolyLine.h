#pragma once

#include "IDrawable.h"

#include <QtGlobal>

#include <memory>
#include <vector>

class CPoint;

// An open chain of segments through its points, in the order they were added. The points are
// read when the chain is drawn, so moving a shared point moves every chain that holds it.
class CPolyLine : public IDrawable
{
public:
    qint32 Color() const { return m_color; }
    void setColor(qint32 vNewValue) { m_color = vNewValue; }

    void Draw(ShapeCanvas &picBox) const override;
    // Appends the point itself, not a copy; the same point may be added more than once.
    void addPoint(const std::shared_ptr<CPoint> &point);

private:
    std::vector<std::shared_ptr<CPoint>> m_points;
    qint32 m_color = 0;
};
