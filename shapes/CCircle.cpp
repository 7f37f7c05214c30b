#include "CCircle.h"

#include "ShapeCanvas.h"

void CCircle::Draw(ShapeCanvas &picBox) const
{
    picBox.Circle(static_cast<float>(m_x), static_cast<float>(m_y), static_cast<float>(m_radius),
                  m_color);
}
