#include "CPolyLine.h"

#include "CPoint.h"
#include "ShapeCanvas.h"

void CPolyLine::Draw(ShapeCanvas &picBox) const
{
    if (m_points.empty())
        return;
    const CPoint *previous = m_points.front().get();
    const size_t count = m_points.size();
    for (size_t i = 1; i < count; ++i) {
        const CPoint *current = m_points[i].get();
        picBox.Line(static_cast<float>(previous->X()), static_cast<float>(previous->Y()),
                    static_cast<float>(current->X()), static_cast<float>(current->Y()), m_color);
        previous = current;
    }
}

void CPolyLine::addPoint(const std::shared_ptr<CPoint> &point)
{
    m_points.push_back(point);
}
