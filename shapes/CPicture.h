#pragma once

#include "IDrawable.h"

#include <memory>
#include <vector>

// A composite that draws its elements in the order they were added. Elements may be added more
// than once, and pictures may hold pictures.
class CPicture : public IDrawable
{
public:
    void addElement(const std::shared_ptr<IDrawable> &element);
    void Draw(ShapeCanvas &picBox) const override;

private:
    std::vector<std::shared_ptr<IDrawable>> m_elements;
};
