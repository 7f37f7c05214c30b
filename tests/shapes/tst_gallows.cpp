#include "ColorNumber.h"
#include "GallowsFigure.h"
#include "PictureBox.h"
#include "RecordingCanvas.h"

#include <QTest>

namespace {

constexpr qint32 kBack = RGB(192, 255, 255);
constexpr qint32 kBlack = 0;

// A figure box as the game sets it up: twips, origin at the centre, y growing upwards.
std::unique_ptr<PictureBox> figureBox(int outerWidth, int outerHeight)
{
    auto box = std::make_unique<PictureBox>();
    box->resize(outerWidth, outerHeight);
    box->setBackColor(kBack);
    box->setScaleMode(PictureBox::ScaleMode::Twips);
    const double m = std::nearbyint(box->ScaleWidth() / 2);
    const double r = std::nearbyint(box->ScaleHeight() / 2);
    box->Scale(-m, r, m, -r);
    return box;
}

// Whether a black pixel lies within one pixel of the figure point (x, y).
bool inked(const PictureBox &box, double x, double y)
{
    const double unitsPerPixel = box.ScaleWidth() / box.innerSize().width();
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (box.Point(x + dx * unitsPerPixel, y + dy * unitsPerPixel) == kBlack)
                return true;
    return false;
}

struct Landmark
{
    const char *part;
    double x;
    double y;
    int stage;
};

// A point on every part of the figure, away from every other part.
const Landmark kLandmarks[] = {
    {"gallows base", -500, -1000, 1},
    {"gallows post", -1000, 0, 1},
    {"gallows beam", -500, 1000, 1},
    {"rope", 0, 800, 1},
    {"head", 250, 300, 1},
    {"left eye", -120, 425, 1},
    {"right eye", 120, 425, 1},
    {"mouth", 0, 300, 1},
    {"body", 0, -300, 2},
    {"right arm", 150, -150, 3},
    {"left arm", -150, -150, 4},
    {"left leg", -300, -583, 5},
    {"right leg", 300, -583, 6},
};

QStringList inkedParts(const PictureBox &box)
{
    QStringList parts;
    for (const auto &mark : kLandmarks)
        if (inked(box, mark.x, mark.y))
            parts << mark.part;
    return parts;
}

QStringList partsOfStages(int from, int to)
{
    QStringList parts;
    for (const auto &mark : kLandmarks)
        if (mark.stage >= from && mark.stage <= to)
            parts << mark.part;
    return parts;
}

} // namespace

class TestGallows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachStageDrawsOnlyItsOwnParts_data()
    {
        QTest::addColumn<int>("stage");
        for (int stage = 1; stage <= 6; ++stage)
            QTest::addRow("stage %d", stage) << stage;
    }

    void eachStageDrawsOnlyItsOwnParts()
    {
        QFETCH(int, stage);
        auto canvas = figureBox(289, 217);
        auto canvas1 = figureBox(505, 225);
        GallowsFigure::drawStage(static_cast<qint16>(stage), *canvas, *canvas1);
        QCOMPARE(inkedParts(*canvas), partsOfStages(stage, stage));
        QCOMPARE(inkedParts(*canvas1), partsOfStages(stage, stage));
    }

    void stagesOutsideOneToSixDrawNothing_data()
    {
        QTest::addColumn<int>("stage");
        QTest::newRow("0") << 0;
        QTest::newRow("7") << 7;
        QTest::newRow("-1") << -1;
    }

    void stagesOutsideOneToSixDrawNothing()
    {
        QFETCH(int, stage);
        auto canvas = figureBox(289, 217);
        auto canvas1 = figureBox(505, 225);
        const QImage blank = canvas->image();
        GallowsFigure::drawStage(static_cast<qint16>(stage), *canvas, *canvas1);
        QCOMPARE(canvas->image(), blank);
        QVERIFY(inkedParts(*canvas1).isEmpty());
    }

    void allStagesMakeTheWholeFigureAndRedrawingChangesNothing()
    {
        auto canvas = figureBox(289, 217);
        auto canvas1 = figureBox(505, 225);
        canvas1->hide();
        for (qint16 n = 1; n <= 6; ++n)
            GallowsFigure::drawStage(n, *canvas, *canvas1);
        QCOMPARE(inkedParts(*canvas), partsOfStages(1, 6));
        QCOMPARE(inkedParts(*canvas1), partsOfStages(1, 6));
        const QImage whole = canvas->image();
        GallowsFigure::drawStage(3, *canvas, *canvas1);
        GallowsFigure::drawStage(1, *canvas, *canvas1);
        QCOMPARE(canvas->image(), whole);
    }

    void stageOneDrawsInTheTablesOrderOnCanvasThenCanvas1()
    {
        QStringList log;
        RecordingCanvas canvas("Canvas", &log), canvas1("Canvas1", &log);
        GallowsFigure::drawStage(1, canvas, canvas1);
        const QStringList once{"line 0,-1000 -1000,-1000 c0", "line -1000,-1000 -1000,1000 c0",
                               "line -1000,1000 0,1000 c0",   "line 0,1000 0,550 c0",
                               "circle -70,425 r50 c0",       "circle 70,425 r50 c0",
                               "circle 0,300 r250 c0",        "arc 0,200 r100 c0 0..3.1416"};
        QStringList expected;
        for (const QString &call : once)
            expected << "Canvas " + call;
        for (const QString &call : once)
            expected << "Canvas1 " + call;
        QCOMPARE(log, expected);
    }

    void armsAndLegsMeetTheBody()
    {
        QStringList log;
        RecordingCanvas canvas("", &log), canvas1("", &log);
        for (qint16 n = 2; n <= 6; ++n)
            GallowsFigure::drawStage(n, canvas, canvas1);
        QCOMPARE(canvas.calls, (QStringList{"line 0,50 0,-450 c0", "line 200,-200 0,0 c0",
                                            "line 0,0 -200,-200 c0", "line -450,-650 0,-450 c0",
                                            "line 0,-450 450,-650 c0"}));
    }

    void mouthIsTheUpperHalfOfItsCircle()
    {
        auto box = figureBox(289, 217);
        GallowsFigure::drawStage(1, *box, *box);
        QVERIFY(inked(*box, 0, 300));
        QVERIFY(!inked(*box, 0, 100));
    }
};

QTEST_MAIN(TestGallows)
#include "tst_gallows.moc"
