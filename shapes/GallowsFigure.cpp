#include "GallowsFigure.h"

#include "CArc.h"
#include "CCircle.h"
#include "CPicture.h"
#include "CPoint.h"
#include "CPolyLine.h"

#include <initializer_list>

namespace {

constexpr qint32 kBlack = 0;
constexpr double kMouthEnd = 3.1416;

std::shared_ptr<CPoint> point(double x, double y)
{
    auto p = std::make_shared<CPoint>();
    p->setX(x);
    p->setY(y);
    return p;
}

std::shared_ptr<CPolyLine> polyLine(std::initializer_list<std::shared_ptr<CPoint>> points)
{
    auto line = std::make_shared<CPolyLine>();
    line->setColor(kBlack);
    for (const auto &p : points)
        line->addPoint(p);
    return line;
}

std::shared_ptr<CCircle> circle(double x, double y, double radius)
{
    auto c = std::make_shared<CCircle>();
    c->setX(x);
    c->setY(y);
    c->setRadius(radius);
    c->setColor(kBlack);
    return c;
}

// The ten parts of the figure. The arms meet at one shared point, and so do the legs.
struct Parts
{
    Parts()
    {
        const auto shoulder = point(0, 0);
        const auto hip = point(0, -450);
        gallows = polyLine({point(0, -1000), point(-1000, -1000), point(-1000, 1000),
                            point(0, 1000), point(0, 550)});
        leftEye = circle(-70, 425, 50);
        rightEye = circle(70, 425, 50);
        head = circle(0, 300, 250);
        mouth = std::make_shared<CArc>();
        mouth->setX(0);
        mouth->setY(200);
        mouth->setRadius(100);
        mouth->setStartLine(0);
        mouth->setEndLine(kMouthEnd);
        mouth->setColor(kBlack);
        body = polyLine({point(0, 50), point(0, -450)});
        rightArm = polyLine({point(200, -200), shoulder});
        leftArm = polyLine({shoulder, point(-200, -200)});
        leftLeg = polyLine({point(-450, -650), hip});
        rightLeg = polyLine({hip, point(450, -650)});
    }

    std::shared_ptr<CPolyLine> gallows;
    std::shared_ptr<CCircle> leftEye;
    std::shared_ptr<CCircle> rightEye;
    std::shared_ptr<CCircle> head;
    std::shared_ptr<CArc> mouth;
    std::shared_ptr<CPolyLine> body;
    std::shared_ptr<CPolyLine> rightArm;
    std::shared_ptr<CPolyLine> leftArm;
    std::shared_ptr<CPolyLine> leftLeg;
    std::shared_ptr<CPolyLine> rightLeg;
};

} // namespace

void GallowsFigure::drawStage(qint16 n, ShapeCanvas &canvas, ShapeCanvas &canvas1)
{
    const Parts parts;
    CPicture picture;
    switch (n) {
    case 1:
        for (const std::shared_ptr<IDrawable> &element :
             std::initializer_list<std::shared_ptr<IDrawable>>{
                 parts.gallows, parts.leftEye, parts.rightEye, parts.head, parts.mouth})
            picture.addElement(element);
        break;
    case 2:
        picture.addElement(parts.body);
        break;
    case 3:
        picture.addElement(parts.rightArm);
        break;
    case 4:
        picture.addElement(parts.leftArm);
        break;
    case 5:
        picture.addElement(parts.leftLeg);
        break;
    case 6:
        picture.addElement(parts.rightLeg);
        break;
    default:
        break;
    }
    picture.Draw(canvas);
    picture.Draw(canvas1);
}
