#include "ColorNumber.h"
#include "PictureBox.h"

#include <QTest>

namespace {

constexpr qint32 kBack = RGB(192, 255, 255);
constexpr qint32 kRed = RGB(200, 10, 10);

// A box of the given inner size in pixels, cleared to the board background.
std::unique_ptr<PictureBox> makeBox(int innerWidth, int innerHeight)
{
    auto box = std::make_unique<PictureBox>();
    box->resize(innerWidth + 4, innerHeight + 4);
    box->setBackColor(kBack);
    return box;
}

// The colour the widget shows on the screen at a pixel of its drawing area.
qint32 shownAt(PictureBox &box, int x, int y)
{
    const QImage shot = box.grab().toImage();
    return PictureBox::toColorNumber(
        shot.pixelColor(x + PictureBox::BorderWidth, y + PictureBox::BorderWidth));
}

} // namespace

class TestPictureBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scaleFollowsTheInnerSize()
    {
        auto box = makeBox(285, 213);
        QCOMPARE(box->ScaleWidth(), 285.0);
        QCOMPARE(box->ScaleHeight(), 213.0);
        box->setScaleMode(PictureBox::ScaleMode::Twips);
        QCOMPARE(box->ScaleWidth(), 4275.0);
        QCOMPARE(box->ScaleHeight(), 3195.0);
        box->Scale(-2138, 1598, 2138, -1598);
        QCOMPARE(box->ScaleLeft(), -2138.0);
        QCOMPARE(box->ScaleHeight(), -3196.0);
    }

    void segmentIncludesBothEnds_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("horizontal") << QPoint(5, 5) << QPoint(20, 5);
        QTest::newRow("vertical") << QPoint(7, 3) << QPoint(7, 30);
        QTest::newRow("diagonal") << QPoint(2, 2) << QPoint(12, 12);
        QTest::newRow("backwards") << QPoint(30, 20) << QPoint(10, 25);
    }

    void segmentIncludesBothEnds()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        auto box = makeBox(40, 40);
        box->Line(from.x(), from.y(), to.x(), to.y(), kRed);
        QCOMPARE(box->Point(from.x(), from.y()), kRed);
        QCOMPARE(box->Point(to.x(), to.y()), kRed);
        const QPoint beyond = to + (to - from) / std::max(1, (to - from).manhattanLength() / 2);
        QCOMPARE(box->Point(beyond.x(), beyond.y()), kBack);
    }

    void rectangleOutlineLeavesTheInsideAlone()
    {
        auto box = makeBox(40, 40);
        box->RectangleOutline(10, 10, 20, 15, kRed);
        for (QPoint p : {QPoint(10, 10), QPoint(20, 10), QPoint(10, 15), QPoint(20, 15),
                         QPoint(15, 10), QPoint(15, 15), QPoint(10, 12), QPoint(20, 12)})
            QCOMPARE(box->Point(p.x(), p.y()), kRed);
        QCOMPARE(box->Point(15, 12), kBack);
        QCOMPARE(box->Point(21, 10), kBack);
        QCOMPARE(box->Point(10, 16), kBack);
    }

    void rectangleWithoutHeightIsALine()
    {
        auto box = makeBox(60, 10);
        box->RectangleOutline(5, 3, 45, 3, kRed);
        QCOMPARE(box->Point(5, 3), kRed);
        QCOMPARE(box->Point(45, 3), kRed);
        QCOMPARE(box->Point(46, 3), kBack);
        QCOMPARE(box->Point(25, 4), kBack);
    }

    void upwardScalePutsTheOriginInTheMiddle()
    {
        auto box = makeBox(101, 81);
        box->Scale(-505, 405, 505, -405);
        box->PSet(0, 0, kRed);
        QCOMPARE(PictureBox::toColorNumber(box->image().pixelColor(50, 40)), kRed);
        box->PSet(0, 200, kRed); // y grows upwards: above the centre
        QCOMPARE(PictureBox::toColorNumber(box->image().pixelColor(50, 20)), kRed);
        box->PSet(300, 0, kRed);
        QCOMPARE(PictureBox::toColorNumber(box->image().pixelColor(80, 40)), kRed);
    }

    void arcRunsCounterClockwiseOnTheScreen_data()
    {
        QTest::addColumn<bool>("yUp");
        QTest::newRow("y grows upwards") << true;
        QTest::newRow("y grows downwards") << false;
    }

    void arcRunsCounterClockwiseOnTheScreen()
    {
        QFETCH(bool, yUp);
        auto box = makeBox(101, 101);
        if (yUp)
            box->Scale(-50.5, 50.5, 50.5, -50.5);
        else
            box->Scale(-50.5, -50.5, 50.5, 50.5);
        box->Circle(0, 0, 30, kRed, 0.0f, 3.1416f);
        const QImage &image = box->image();
        // The upper half of the circle on the screen, and nothing of the lower half.
        QCOMPARE(PictureBox::toColorNumber(image.pixelColor(50, 20)), kRed);
        int below = 0;
        for (int y = 52; y < 101; ++y)
            for (int x = 0; x < 101; ++x)
                below += image.pixelColor(x, y) != PictureBox::toQColor(kBack);
        QCOMPARE(below, 0);
    }

    void circleIsATrueOutline()
    {
        auto box = makeBox(101, 101);
        box->Circle(50, 50, 20, kRed);
        QCOMPARE(box->Point(50, 30), kRed);
        QCOMPARE(box->Point(50, 70), kRed);
        QCOMPARE(box->Point(30, 50), kRed);
        QCOMPARE(box->Point(70, 50), kRed);
        QCOMPARE(box->Point(50, 50), kBack);
    }

    void pointReadsWhatPSetWrote()
    {
        auto box = makeBox(40, 40);
        box->PSet(3, 4, RGB(1, 2, 3));
        QCOMPARE(box->Point(3, 4), RGB(1, 2, 3));
        QCOMPARE(box->Point(4, 4), kBack);
        QCOMPARE(box->Point(40, 0), -1);
        QCOMPARE(box->Point(-1, 0), -1);
        box->PSet(400, 4, kRed); // outside: nothing happens
    }

    void clsRestoresTheBackground()
    {
        auto box = makeBox(40, 40);
        box->Line(0, 0, 39, 39, kRed);
        box->setCurrentX(12);
        box->setCurrentY(7);
        box->Cls();
        QCOMPARE(box->Point(20, 20), kBack);
        QCOMPARE(box->CurrentX(), 0.0);
        QCOMPARE(box->CurrentY(), 0.0);
    }

    void drawingWorksWhileHiddenAndStays()
    {
        auto box = makeBox(40, 40);
        box->hide();
        box->Line(0, 10, 39, 10, kRed);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(shownAt(*box, 20, 10), kRed);
        box->hide();
        box->show();
        QCOMPARE(shownAt(*box, 20, 10), kRed);
    }

    void growingKeepsWhatWasDrawn()
    {
        auto box = makeBox(20, 20);
        box->PSet(5, 5, kRed);
        box->resize(44, 69);
        QCOMPARE(box->Point(5, 5), kRed);
        QCOMPARE(box->Point(30, 50), kBack);
        QCOMPARE(box->ScaleHeight(), 65.0);
    }

    void printStartsAtThePrintPositionAndEndsTheLine()
    {
        auto box = makeBox(40, 65);
        box->setFont(QFont("Arial", 36));
        box->setForeColor(kRed);
        const double width = box->TextWidth("E");
        QVERIFY(width > 20 && width < 40);
        box->setCurrentX((box->ScaleWidth() - width) / 2);
        box->setCurrentY(5);
        box->Print("E");
        QCOMPARE(box->CurrentX(), 0.0);
        QVERIFY(box->CurrentY() > 40);
        int red = 0, above = 0;
        const QImage &image = box->image();
        for (int y = 0; y < 65; ++y)
            for (int x = 0; x < 40; ++x)
                if (image.pixelColor(x, y) == PictureBox::toQColor(kRed))
                    (y < 5 ? above : red)++;
        QVERIFY(red > 50);
        QCOMPARE(above, 0);
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
