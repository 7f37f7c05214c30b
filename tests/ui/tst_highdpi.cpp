#include "ColorNumber.h"
#include "GameExecutiveLayout.h"
#include "PictureBox.h"

#include <QApplication>
#include <QTest>

// The whole window at twice the density: the layout keeps counting in its own pixels while the
// drawing surfaces hold device pixels, so lines stay sharp instead of being blown up.
class TestHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutCountsInItsOwnPixels()
    {
        QWidget form;
        GameExecutiveLayout ui;
        ui.setupUi(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.devicePixelRatioF(), 2.0);
        QCOMPARE(form.size(), QSize(792, 424));
        QCOMPARE(ui.WordBox->innerSize(), QSize(765, 69));
        QCOMPARE(ui.WordBox->ScaleWidth(), 765.0);
        QCOMPARE(ui.WordBox->image().size(), QSize(1530, 138));
    }

    void drawingIsSharpOnDevicePixels()
    {
        QWidget form;
        GameExecutiveLayout ui;
        ui.setupUi(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        PictureBox &box = *ui.WordBox;
        box.Line(10, 10, 100, 10, RGB(200, 10, 10));
        QCOMPARE(box.Point(10, 10), RGB(200, 10, 10));
        QCOMPARE(box.Point(100, 10), RGB(200, 10, 10));
        QCOMPARE(box.Point(50, 11), RGB(192, 255, 255));
        // One layout pixel is two device pixels high, with nothing smeared around it.
        const QImage &image = box.image();
        QCOMPARE(image.pixelColor(100, 20), QColor(200, 10, 10));
        QCOMPARE(image.pixelColor(100, 21), QColor(200, 10, 10));
        QCOMPARE(image.pixelColor(100, 19), QColor(192, 255, 255));
        QCOMPARE(image.pixelColor(100, 22), QColor(192, 255, 255));
        box.RectangleOutline(10, 30, 50, 30, RGB(150, 50, 50));
        for (int x : {20, 21, 101})
            for (int y : {60, 61})
                QCOMPARE(image.pixelColor(x, y), QColor(150, 50, 50));
        QCOMPARE(image.pixelColor(19, 60), QColor(192, 255, 255));
        QCOMPARE(image.pixelColor(102, 61), QColor(192, 255, 255));
        QCOMPARE(image.pixelColor(30, 62), QColor(192, 255, 255));
        box.PSet(3, 4, RGB(1, 2, 3));
        QCOMPARE(box.Point(3, 4), RGB(1, 2, 3));
        QCOMPARE(image.pixelColor(7, 9), QColor(1, 2, 3));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
