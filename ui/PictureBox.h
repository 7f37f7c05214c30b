#pragma once

#include "BoardCanvas.h"
#include "ShapeCanvas.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

// A drawing surface with the platform's sunken 2-pixel border. What is drawn goes into an image
// that keeps it until Cls, so it survives being hidden, covered or minimised, and drawing works
// while the box is hidden. Coordinates are in the box's scale: pixels, twips (15 to the pixel),
// or a user system set with Scale, where y may grow upwards. Drawing is aliased and one pixel
// wide. On a high-density screen the image holds device pixels, so lines and text stay sharp
// while coordinates stay in the layout's pixels. The figure's shapes and the word board draw
// through it.
class PictureBox : public QWidget, public ShapeCanvas, public BoardCanvas
{
    Q_OBJECT

public:
    enum class ScaleMode { User, Twips, Pixels };

    static constexpr int BorderWidth = 2;
    static constexpr int TwipsPerPixel = 15;

    explicit PictureBox(QWidget *parent = nullptr);

    // The size of the drawing area inside the border, in pixels.
    QSize innerSize() const;

    void setScaleMode(ScaleMode mode);
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    // (x1, y1) becomes the top-left corner of the drawing area and (x2, y2) its bottom-right.
    void Scale(double x1, double y1, double x2, double y2);
    // Scale with the origin in the middle of the box, y growing upwards, in the
    // box's present units (the figure boxes' twips), each half of the size taken to the nearest
    // 16-bit whole number, an exact half to even.
    void scaleFromCentre();

    qint32 BackColor() const { return m_backColor; }
    // Sets the background colour and clears the box to it.
    void setBackColor(qint32 color);
    void setForeColor(qint32 color) { m_foreColor = color; }
    double CurrentX() const { return m_currentX; }
    void setCurrentX(double x) { m_currentX = x; }
    double CurrentY() const { return m_currentY; }
    void setCurrentY(double y) { m_currentY = y; }

    // Clears to the background colour; the print position goes back to (0, 0).
    void Cls() override;
    // Prints text in the box's font and ForeColor with its top-left corner at the print position,
    // then moves that position to the start of the next line.
    void Print(const QString &text);
    double TextWidth(const QString &text) const;

    // A segment, both ends included.
    void Line(float x1, float y1, float x2, float y2, qint32 color) override;
    void drawBox(float x1, float y1, float x2, float y2, qint32 color) override;
    void Circle(float x, float y, float radius, qint32 color) override;
    void Circle(float x, float y, float radius, qint32 color, float start, float end) override;

    // The colour number of the pixel at (x, y), or -1 outside the drawing area.
    qint32 Point(double x, double y) const override;
    void PSet(double x, double y, qint32 color) override;

    // What the box shows inside its border.
    const QImage &image() const;

    static QColor toQColor(qint32 color);
    static qint32 toColorNumber(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF toPixels(double x, double y) const;
    QPoint toPixel(double x, double y) const;
    // The height of a line of text in the box's font, in its scale.
    double lineHeight() const;
    double pixelsPerUnitX() const;
    int unitsPerPixel() const;
    // The image follows the box's size at once, also while the box is hidden and Qt holds back
    // its resize event: what was drawn stays at the top left, new area gets the background.
    void ensureImageSize() const;
    // Marks a rectangle of the drawing area (in pixels) for repainting.
    void changed(const QRect &pixels);
    // A painter on the image set up for aliased one-pixel drawing in the layout's pixels.
    void paintOnImage(qint32 color, const std::function<void(QPainter &)> &draw);
    void centreOnPixels(QPainter &painter) const;
    void drawSunkenBorder(QPainter &painter) const;

    mutable QImage m_image;
    ScaleMode m_scaleMode = ScaleMode::Pixels;
    // The user scale; pixels and twips follow the box's size.
    double m_scaleLeft = 0;
    double m_scaleTop = 0;
    double m_scaleWidth = 1;
    double m_scaleHeight = 1;
    qint32 m_backColor = 0xFFFFFF;
    qint32 m_foreColor = 0;
    double m_currentX = 0;
    double m_currentY = 0;
};
