#include "CPicture.h"

void CPicture::addElement(const std::shared_ptr<IDrawable> &element)
{
    m_elements.push_back(element);
}

void CPicture::Draw(ShapeCanvas &picBox) const
{
    for (const auto &element : m_elements)
        element->Draw(picBox);
}
