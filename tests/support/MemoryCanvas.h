#pragma once

#include "BoardCanvas.h"

#include <QList>

#include <algorithm>
#include <cmath>

// A board canvas in memory: a grid of colour numbers, as a picture box that counts in pixels
// holds them.
class MemoryCanvas : public BoardCanvas
{
public:
    MemoryCanvas(int width, int height, qint32 background)
        : m_width(width), m_height(height), m_background(background),
          m_pixels(width * height, background)
    {}

    void Cls() override { m_pixels.fill(m_background); }
    double ScaleWidth() const override { return m_width; }
    double ScaleHeight() const override { return m_height; }
    void RectangleOutline(float x1, float y1, float x2, float y2, qint32 color) override
    {
        const int left = std::min(x1, x2), right = std::max(x1, x2);
        const int top = std::min(y1, y2), bottom = std::max(y1, y2);
        for (int x = left; x <= right; ++x) {
            PSet(x, top, color);
            PSet(x, bottom, color);
        }
        for (int y = top; y <= bottom; ++y) {
            PSet(left, y, color);
            PSet(right, y, color);
        }
    }
    qint32 Point(double x, double y) const override
    {
        const int i = index(x, y);
        return i < 0 ? -1 : m_pixels[i];
    }
    void PSet(double x, double y, qint32 color) override
    {
        if (const int i = index(x, y); i >= 0)
            m_pixels[i] = color;
    }

    const QList<qint32> &pixels() const { return m_pixels; }

private:
    int index(double x, double y) const
    {
        const int column = static_cast<int>(std::floor(x));
        const int row = static_cast<int>(std::floor(y));
        if (column < 0 || row < 0 || column >= m_width || row >= m_height)
            return -1;
        return row * m_width + column;
    }

    int m_width;
    int m_height;
    qint32 m_background;
    QList<qint32> m_pixels;
};
