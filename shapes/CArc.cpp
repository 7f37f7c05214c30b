#include "CArc.h"

#include "ShapeCanvas.h"

void CArc::Draw(ShapeCanvas &picBox) const
{
    picBox.Circle(static_cast<float>(m_x), static_cast<float>(m_y), static_cast<float>(m_radius),
                  m_color, static_cast<float>(m_startLine), static_cast<float>(m_endLine));
}
