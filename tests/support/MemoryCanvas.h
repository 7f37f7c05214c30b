#pragma once

#include "BoardCanvas.h"

#include <QList>

// A board canvas in memory: a grid of colour numbers, as a picture box in pixels holds them,
// cleared to 0.
struct MemoryCanvas : BoardCanvas
{
    MemoryCanvas(int w, int h) : width(w), height(h), pixels(w * h, 0) {}

    void Cls() override { pixels.fill(0); }
    double ScaleWidth() const override { return width; }
    double ScaleHeight() const override { return height; }
    void drawBox(float x1, float y1, float x2, float y2, qint32 color) override
    {
        for (float x = x1; x <= x2; ++x) {
            PSet(x, y1, color);
            PSet(x, y2, color);
        }
        for (float y = y1; y <= y2; ++y) {
            PSet(x1, y, color);
            PSet(x2, y, color);
        }
    }
    qint32 Point(double x, double y) const override
    {
        return inside(x, y) ? pixels[int(y) * width + int(x)] : -1;
    }
    void PSet(double x, double y, qint32 color) override
    {
        if (inside(x, y))
            pixels[int(y) * width + int(x)] = color;
    }
    bool inside(double x, double y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    const int width, height;
    QList<qint32> pixels;
};
