#pragma once

#include "ShapeCanvas.h"

#include <QStringList>

// A canvas that writes down every drawing call, with the numbers exactly as it got them. Several
// canvases may also write into one shared log, each call headed by the canvas's name.
class RecordingCanvas : public ShapeCanvas
{
public:
    RecordingCanvas() = default;
    RecordingCanvas(QString name, QStringList *sharedLog)
        : m_name(std::move(name)), m_log(sharedLog)
    {}

    void Line(float x1, float y1, float x2, float y2, qint32 color) override
    {
        record(QStringLiteral("line %1,%2 %3,%4 c%5").arg(x1).arg(y1).arg(x2).arg(y2).arg(color));
    }
    void Circle(float x, float y, float radius, qint32 color) override
    {
        record(QStringLiteral("circle %1,%2 r%3 c%4").arg(x).arg(y).arg(radius).arg(color));
    }
    void Circle(float x, float y, float radius, qint32 color, float start, float end) override
    {
        record(QStringLiteral("arc %1,%2 r%3 c%4 %5..%6")
                   .arg(x)
                   .arg(y)
                   .arg(radius)
                   .arg(color)
                   .arg(start)
                   .arg(end));
    }

    QStringList calls;

private:
    void record(const QString &call)
    {
        calls << call;
        if (m_log)
            *m_log << m_name + u' ' + call;
    }

    QString m_name;
    QStringList *m_log = nullptr;
};
