#include "PictureBox.h"

#include "ColorNumber.h"
#include "Integer16.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace {

int degrees16(double radians)
{
    return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

// Arcs take their angles modulo a full turn; the sign of an angle does not matter.
double normalisedAngle(double radians)
{
    const double turn = 2.0 * std::numbers::pi;
    return std::fmod(std::fabs(radians), turn);
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PictureBox::innerSize() const
{
    return QSize(std::max(0, width() - 2 * BorderWidth), std::max(0, height() - 2 * BorderWidth));
}

void PictureBox::setScaleMode(ScaleMode mode)
{
    m_scaleMode = mode;
}

int PictureBox::unitsPerPixel() const
{
    return m_scaleMode == ScaleMode::Twips ? TwipsPerPixel : 1;
}

double PictureBox::ScaleLeft() const
{
    return m_scaleMode == ScaleMode::User ? m_scaleLeft : 0.0;
}

double PictureBox::ScaleTop() const
{
    return m_scaleMode == ScaleMode::User ? m_scaleTop : 0.0;
}

double PictureBox::ScaleWidth() const
{
    return m_scaleMode == ScaleMode::User ? m_scaleWidth : innerSize().width() * unitsPerPixel();
}

double PictureBox::ScaleHeight() const
{
    return m_scaleMode == ScaleMode::User ? m_scaleHeight : innerSize().height() * unitsPerPixel();
}

void PictureBox::scaleFromCentre()
{
    const qint16 m = toInteger16(ScaleWidth() / 2);
    const qint16 r = toInteger16(ScaleHeight() / 2);
    Scale(-m, r, m, -r);
}

void PictureBox::Scale(double x1, double y1, double x2, double y2)
{
    m_scaleMode = ScaleMode::User;
    m_scaleLeft = x1;
    m_scaleTop = y1;
    m_scaleWidth = x2 - x1;
    m_scaleHeight = y2 - y1;
}

void PictureBox::setBackColor(qint32 color)
{
    m_backColor = color;
    Cls();
}

void PictureBox::Cls()
{
    ensureImageSize();
    m_image.fill(toQColor(m_backColor));
    m_currentX = 0;
    m_currentY = 0;
    changed(QRect(QPoint(0, 0), innerSize()));
}

QPointF PictureBox::toPixels(double x, double y) const
{
    const QSize inner = innerSize();
    return QPointF((x - ScaleLeft()) * inner.width() / ScaleWidth(),
                   (y - ScaleTop()) * inner.height() / ScaleHeight());
}

QPoint PictureBox::toPixel(double x, double y) const
{
    // Pixel i covers [i, i + 1); the small margin keeps whole numbers that arrive as 2.9999...
    // on their own pixel.
    constexpr double kMargin = 1e-6;
    const QPointF p = toPixels(x, y);
    return QPoint(static_cast<int>(std::floor(p.x() + kMargin)),
                  static_cast<int>(std::floor(p.y() + kMargin)));
}

double PictureBox::pixelsPerUnitX() const
{
    return innerSize().width() / std::fabs(ScaleWidth());
}

void PictureBox::changed(const QRect &pixels)
{
    // At a scale such as 1.25 a drawing's device pixels reach into the layout pixels around it.
    const qreal ratio = devicePixelRatioF();
    const int spill = ratio == std::floor(ratio) ? 0 : 1;
    update(pixels.translated(BorderWidth, BorderWidth).adjusted(-spill, -spill, spill, spill));
}

void PictureBox::paintOnImage(qint32 color, const std::function<void(QPainter &)> &draw)
{
    ensureImageSize();
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(toQColor(color));
    pen.setWidthF(1.0);
    pen.setCapStyle(Qt::SquareCap); // a segment includes its end point
    painter.setPen(pen);            // and no brush, as a new painter has
    draw(painter);
}

void PictureBox::centreOnPixels(QPainter &painter) const
{
    // On a denser screen the one-pixel pen is several device pixels wide: centre it on the
    // layout pixel, so that it covers exactly the device pixels of the layout pixels it crosses.
    if (m_image.devicePixelRatio() != 1.0)
        painter.translate(0.5, 0.5);
}

void PictureBox::Print(const QString &text)
{
    ensureImageSize();
    const QPointF at = toPixels(m_currentX, m_currentY);
    QPainter painter(&m_image);
    painter.setFont(font());
    painter.setPen(toQColor(m_foreColor));
    const QFontMetricsF metrics(font(), &m_image);
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    painter.end();
    changed(QRectF(at, QSizeF(metrics.horizontalAdvance(text), metrics.height()))
                .toAlignedRect()
                .adjusted(-2, 0, 2, 0));
    m_currentX = ScaleLeft();
    m_currentY += lineHeight();
}

double PictureBox::TextWidth(const QString &text) const
{
    ensureImageSize();
    const QFontMetricsF metrics(font(), &m_image);
    return metrics.horizontalAdvance(text) / pixelsPerUnitX();
}

double PictureBox::lineHeight() const
{
    ensureImageSize();
    const QFontMetricsF metrics(font(), &m_image);
    return metrics.height() * std::fabs(ScaleHeight()) / innerSize().height();
}

void PictureBox::Line(float x1, float y1, float x2, float y2, qint32 color)
{
    const QPoint a = toPixel(x1, y1);
    const QPoint b = toPixel(x2, y2);
    paintOnImage(color, [&](QPainter &painter) {
        centreOnPixels(painter);
        painter.drawLine(a, b);
    });
    changed(QRect(a, b).normalized().adjusted(-1, -1, 1, 1));
}

void PictureBox::drawBox(float x1, float y1, float x2, float y2, qint32 color)
{
    const QRect bounds = QRect(toPixel(x1, y1), toPixel(x2, y2)).normalized();
    // Edges as one-pixel strips: exact on every device pixel ratio, both corners included.
    paintOnImage(color, [&](QPainter &painter) {
        const QColor c = toQColor(color);
        painter.fillRect(QRect(bounds.left(), bounds.top(), bounds.width(), 1), c);
        painter.fillRect(QRect(bounds.left(), bounds.bottom(), bounds.width(), 1), c);
        painter.fillRect(QRect(bounds.left(), bounds.top(), 1, bounds.height()), c);
        painter.fillRect(QRect(bounds.right(), bounds.top(), 1, bounds.height()), c);
    });
    changed(bounds.adjusted(-1, -1, 1, 1));
}

void PictureBox::Circle(float x, float y, float radius, qint32 color)
{
    const QPoint centre = toPixel(x, y);
    const int r = static_cast<int>(std::lround(std::fabs(radius) * pixelsPerUnitX()));
    paintOnImage(color, [&](QPainter &painter) {
        centreOnPixels(painter);
        painter.drawEllipse(centre, r, r);
    });
    changed(QRect(centre.x() - r, centre.y() - r, 2 * r + 1, 2 * r + 1).adjusted(-1, -1, 1, 1));
}

void PictureBox::Circle(float x, float y, float radius, qint32 color, float start, float end)
{
    const QPoint centre = toPixel(x, y);
    const int r = static_cast<int>(std::lround(std::fabs(radius) * pixelsPerUnitX()));
    const double from = normalisedAngle(start);
    double span = normalisedAngle(end) - from;
    if (span <= 0)
        span += 2.0 * std::numbers::pi;
    const QRect square(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    // The painter's angles run counter-clockwise on the screen, whichever way the scale's y grows.
    paintOnImage(color, [&](QPainter &painter) {
        centreOnPixels(painter);
        painter.drawArc(square, degrees16(from), degrees16(span));
    });
    changed(square.adjusted(-1, -1, 2, 2));
}

qint32 PictureBox::Point(double x, double y) const
{
    const QPoint p = toPixel(x, y);
    if (!QRect(QPoint(0, 0), innerSize()).contains(p))
        return -1;
    ensureImageSize();
    const qreal ratio = m_image.devicePixelRatio();
    return toColorNumber(
        m_image.pixelColor(static_cast<int>(p.x() * ratio), static_cast<int>(p.y() * ratio)));
}

void PictureBox::PSet(double x, double y, qint32 color)
{
    const QPoint p = toPixel(x, y);
    if (!QRect(QPoint(0, 0), innerSize()).contains(p))
        return;
    ensureImageSize();
    const qreal ratio = m_image.devicePixelRatio();
    if (ratio == 1.0) {
        m_image.setPixel(p, toQColor(color).rgb());
    } else {
        const QRect device =
            QRectF(p.x() * ratio, p.y() * ratio, ratio, ratio).toAlignedRect() & m_image.rect();
        const QRgb rgb = toQColor(color).rgb();
        for (int row = device.top(); row <= device.bottom(); ++row)
            for (int column = device.left(); column <= device.right(); ++column)
                m_image.setPixel(column, row, rgb);
    }
    changed(QRect(p, QSize(1, 1)));
}

const QImage &PictureBox::image() const
{
    ensureImageSize();
    return m_image;
}

QColor PictureBox::toQColor(qint32 color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

qint32 PictureBox::toColorNumber(const QColor &color)
{
    return RGB(color.red(), color.green(), color.blue());
}

void PictureBox::ensureImageSize() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize device = innerSize() * ratio;
    if (m_image.size() == device && m_image.devicePixelRatio() == ratio)
        return;
    QImage resized(device, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(toQColor(m_backColor));
    if (!m_image.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(QPoint(0, 0), m_image);
    }
    m_image = resized;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    ensureImageSize();
    QPainter painter(this);
    const QRect inner(QPoint(BorderWidth, BorderWidth), innerSize());
    // The whole image, clipped to what is repainted: drawn in part, its device pixels could fall
    // otherwise than in a full paint at a scale such as 1.25.
    if (event->rect().intersects(inner))
        painter.drawImage(QRectF(inner), m_image);
    if (!inner.contains(event->rect()))
        drawSunkenBorder(painter);
}

void PictureBox::drawSunkenBorder(QPainter &painter) const
{
    // The platform's sunken panel, drawn as strips a layout pixel wide, so that on a denser
    // screen the border covers every device pixel it owns (Qt's own draws lines a device pixel
    // wide and leaves the rest of the border as it was).
    const int w = width(), h = height();
    const QPalette &p = palette();
    const struct
    {
        QRect strip;
        QColor colour;
    } strips[] = {
        {{0, 0, 1, h - 1}, p.dark().color()},         {{0, 0, w - 1, 1}, p.dark().color()},
        {{0, h - 1, w, 1}, p.light().color()},        {{w - 1, 0, 1, h}, p.light().color()},
        {{1, 1, 1, h - 3}, p.shadow().color()},       {{1, 1, w - 3, 1}, p.shadow().color()},
        {{1, h - 2, w - 2, 1}, p.midlight().color()}, {{w - 2, 1, 1, h - 2}, p.midlight().color()},
    };
    for (const auto &[strip, colour] : strips)
        painter.fillRect(strip, colour);
}
