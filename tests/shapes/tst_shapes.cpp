#include "CArc.h"
#include "CCircle.h"
#include "CPicture.h"
#include "CPoint.h"
#include "CPolyLine.h"
#include "RecordingCanvas.h"

#include <QTest>

namespace {

std::shared_ptr<CPoint> point(double x, double y)
{
    auto p = std::make_shared<CPoint>();
    p->setX(x);
    p->setY(y);
    return p;
}

std::shared_ptr<CPolyLine> chain(int points, qint32 color = 0)
{
    auto line = std::make_shared<CPolyLine>();
    line->setColor(color);
    for (int i = 0; i < points; ++i)
        line->addPoint(point(i, i * 10));
    return line;
}

std::shared_ptr<CCircle> circle(double radius)
{
    auto c = std::make_shared<CCircle>();
    c->setRadius(radius);
    return c;
}

} // namespace

class TestShapes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void polyLineDrawsOneSegmentLessThanItsPoints_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no point") << 0 << QStringList();
        QTest::newRow("one point") << 1 << QStringList();
        QTest::newRow("two points") << 2 << QStringList{"line 0,0 1,10 c7"};
        QTest::newRow("five points, not closed")
            << 5
            << QStringList{"line 0,0 1,10 c7", "line 1,10 2,20 c7", "line 2,20 3,30 c7",
                           "line 3,30 4,40 c7"};
    }

    void polyLineDrawsOneSegmentLessThanItsPoints()
    {
        QFETCH(int, points);
        QFETCH(QStringList, expected);
        RecordingCanvas canvas;
        chain(points, 7)->Draw(canvas);
        QCOMPARE(canvas.calls, expected);
    }

    void movingASharedPointMovesEveryPolyLine()
    {
        const auto shared = point(0, 0);
        CPolyLine first, second;
        first.addPoint(point(-5, -5));
        first.addPoint(shared);
        second.addPoint(shared);
        second.addPoint(point(5, -5));
        shared->setX(3);
        shared->setY(4);
        RecordingCanvas canvas;
        first.Draw(canvas);
        second.Draw(canvas);
        QCOMPARE(canvas.calls, (QStringList{"line -5,-5 3,4 c0", "line 3,4 5,-5 c0"}));
    }

    void samePointTwiceMakesAZeroLengthSegment()
    {
        const auto p = point(2, 2);
        CPolyLine line;
        line.addPoint(p);
        line.addPoint(p);
        RecordingCanvas canvas;
        line.Draw(canvas);
        QCOMPARE(canvas.calls, QStringList{"line 2,2 2,2 c0"});
    }

    void pictureDrawsItsElementsInOrderAsOftenAsAdded()
    {
        CPicture picture;
        const auto small = circle(1);
        picture.addElement(small);
        picture.addElement(chain(2));
        picture.addElement(small);
        RecordingCanvas canvas;
        picture.Draw(canvas);
        QCOMPARE(canvas.calls,
                 (QStringList{"circle 0,0 r1 c0", "line 0,0 1,10 c0", "circle 0,0 r1 c0"}));
    }

    void nestedPictureDrawsInItsPlace()
    {
        auto inner = std::make_shared<CPicture>();
        inner->addElement(circle(2));
        inner->addElement(circle(3));
        CPicture outer;
        outer.addElement(circle(1));
        outer.addElement(inner);
        outer.addElement(circle(4));
        RecordingCanvas canvas;
        outer.Draw(canvas);
        QCOMPARE(canvas.calls, (QStringList{"circle 0,0 r1 c0", "circle 0,0 r2 c0",
                                            "circle 0,0 r3 c0", "circle 0,0 r4 c0"}));
        RecordingCanvas empty;
        CPicture().Draw(empty);
        QVERIFY(empty.calls.isEmpty());
    }

    void newCircleIsBlackWithRadiusZeroAtTheOrigin()
    {
        RecordingCanvas canvas;
        CCircle().Draw(canvas);
        QCOMPARE(canvas.calls, QStringList{"circle 0,0 r0 c0"});
    }

    void arcPassesItsAnglesOnUnchanged()
    {
        CArc arc;
        arc.setX(1);
        arc.setY(2);
        arc.setRadius(-3); // stored and passed on, sense or not
        arc.setColor(255);
        arc.setStartLine(-1);
        arc.setEndLine(9.5);
        RecordingCanvas canvas;
        arc.Draw(canvas);
        QCOMPARE(canvas.calls, QStringList{"arc 1,2 r-3 c255 -1..9.5"});
    }

    void coordinatesAreNarrowedToSinglePrecision()
    {
        const double precise = 0.1;
        CPoint p;
        p.setX(precise);
        QCOMPARE(p.X(), precise); // the shape keeps the 64-bit value
        RecordingCanvas canvas;
        CCircle c;
        c.setX(precise);
        c.Draw(canvas);
        QCOMPARE(canvas.calls.first(),
                 QStringLiteral("circle %1,0 r0 c0").arg(static_cast<float>(precise)));
    }
};

QTEST_GUILESS_MAIN(TestShapes)
#include "tst_shapes.moc"
