// The word board without a window, on a canvas in memory as large as the game's.

#include "BoardCanvas.h"
#include "RunTimeError.h"
#include "RunToEnd.h"
#include "ScriptedServices.h"
#include "WordBoard.h"

#include <QTest>

namespace {

// A board canvas in memory: colour numbers, as a picture box holds its pixels.
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

} // namespace

class TestGame : public QObject
{
    Q_OBJECT

private:
    MemoryCanvas m_board{765, 69}, m_letter{40, 65};
    CloseGuard m_guard;
    ScriptedServices m_services{m_guard};
    WordBoard m_wordBoard{m_board, m_letter, m_services};

private Q_SLOTS:
    // The letter box is copied onto its slot (the second of four, centred) row by row, each row
    // after its 10 ms pause; there is no slot outside the 13.
    void revealCopiesTheLetterBoxRowByRow()
    {
        m_wordBoard.DrawWordBoard(4);
        QList<qint32> expected = m_board.pixels;
        for (int y = 0; y < 65; ++y)
            for (int x = 0; x < 40; ++x) {
                m_letter.PSet(x, y, 100 * y + x + 2);
                expected[y * 765 + 332 + x] = 100 * y + x + 2;
            }
        QString wrong; // rows on the board before their pause, or not after it
        m_services.onPause = [&] {
            const int row = m_services.clock.waits;
            if (m_board.Point(371, row) == 100 * row + 41 ||
                (row > 0 && m_board.Point(332, row - 1) != 100 * row - 98))
                wrong += QString::number(row) + ' ';
        };
        for (const qint16 outside : {0, 14}) {
            QVERIFY_THROWS_EXCEPTION(RunTimeError,
                                     runToEnd(m_wordBoard.RevealLetter("B", outside)));
            QVERIFY_THROWS_EXCEPTION(RunTimeError, m_wordBoard.slotX(outside));
        }
        runToEnd(m_wordBoard.RevealLetter("B", 2));
        QCOMPARE(wrong + QString::number(m_services.clock.now), "650");
        QCOMPARE(m_board.pixels, expected);
        QCOMPARE(m_wordBoard.spokenText(), QString("blank, B, blank, blank"));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, m_wordBoard.DrawWordBoard(14));
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
