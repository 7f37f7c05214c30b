#include "ColorNumber.h"
#include "MemoryCanvas.h"
#include "RunTimeError.h"
#include "ScriptedServices.h"
#include "WordBoard.h"

#include <QTest>

namespace {
constexpr qint32 kBack = RGB(192, 255, 255);
constexpr qint32 kInk = RGB(200, 10, 10);
} // namespace

class TestWordBoard : public QObject
{
    Q_OBJECT

private:
    // The board and letter box at their sizes in the game: 765 by 69 and 40 by 65 inside.
    std::unique_ptr<MemoryCanvas> m_board;
    std::unique_ptr<MemoryCanvas> m_letter;
    ScriptedServices m_services;
    std::unique_ptr<WordBoard> m_wordBoard;

    qint32 at(int x, int y) const { return m_board->Point(x, y); }

    // Fills the letter box with a pattern in which every pixel differs from its neighbours.
    void paintLetterBox()
    {
        for (int y = 0; y < 65; ++y)
            for (int x = 0; x < 40; ++x)
                m_letter->PSet(x, y, RGB(x * 6, y * 3, 77));
    }

private Q_SLOTS:
    void init()
    {
        m_board = std::make_unique<MemoryCanvas>(765, 69, kBack);
        m_letter = std::make_unique<MemoryCanvas>(40, 65, kBack);
        m_services = ScriptedServices();
        m_wordBoard = std::make_unique<WordBoard>(*m_board, *m_letter, m_services);
    }

    void slotsAreCentredOnTheBoard_data()
    {
        QTest::addColumn<int>("letters");
        QTest::addColumn<QList<int>>("lefts");
        QTest::newRow("5 letters") << 5 << QList<int>{242, 302, 362, 422, 482};
        QTest::newRow("1 letter") << 1 << QList<int>{362};
        QTest::newRow("13 letters")
            << 13 << QList<int>{2, 62, 122, 182, 242, 302, 362, 422, 482, 542, 602, 662, 722};
    }

    void slotsAreCentredOnTheBoard()
    {
        QFETCH(int, letters);
        QFETCH(QList<int>, lefts);
        m_wordBoard->DrawWordBoard(static_cast<qint16>(letters));
        for (int i = 1; i <= letters; ++i) {
            QCOMPARE(int(m_wordBoard->slotX(i)), lefts.at(i - 1));
            QCOMPARE(at(lefts.at(i - 1) + 20, 14 + 20), WordBoard::shadeColor(20));
        }
        QCOMPARE(at(lefts.first() - 1, 14), kBack);
        QCOMPARE(at(lefts.last() + 41, 14), kBack);
    }

    void slotIsAShadedSquareUnderADarkTopLine()
    {
        m_wordBoard->DrawWordBoard(5);
        const int x = 242, y = 14;
        for (int column = x; column <= x + 40; ++column)
            QCOMPARE(at(column, y), WordBoard::TopLineColor);
        for (int i = 1; i <= 20; ++i) {
            const qint32 shade = WordBoard::shadeColor(i);
            QCOMPARE(at(x + i, y + i), shade);           // top-left corner of square i
            QCOMPARE(at(x + 40 - i, y + 40 - i), shade); // bottom-right corner
            QCOMPARE(at(x + 20, y + 40 - i), shade);     // bottom edge
        }
        QCOMPARE(WordBoard::shadeColor(1), RGB(155, 55, 55));
        QCOMPARE(WordBoard::shadeColor(20), RGB(250, 150, 150));
        // Below the top line the tile leaves its left and right columns and bottom row undrawn.
        QCOMPARE(at(x, y + 20), kBack);
        QCOMPARE(at(x + 40, y + 20), kBack);
        QCOMPARE(at(x + 20, y + 40), kBack);
        QCOMPARE(at(x + 20, y - 1), kBack);
    }

    void emptyWordClearsTheBoard()
    {
        m_wordBoard->DrawWordBoard(5);
        m_wordBoard->DrawWordBoard(0);
        QCOMPARE(at(262, 34), kBack);
    }

    void revealCoversTheSlotButNotItsRightEdge()
    {
        m_wordBoard->DrawWordBoard(5);
        paintLetterBox();
        m_wordBoard->RevealLetter("A", 2);
        const int x = m_wordBoard->slotX(2);
        for (int y = 0; y < 65; ++y)
            for (int column = 0; column < 40; ++column)
                QCOMPARE(at(x + column, y), m_letter->Point(column, y));
        QCOMPARE(at(x + 40, 14), WordBoard::TopLineColor);
        QCOMPARE(at(x + 40, 30), kBack);
        QCOMPARE(at(x + 20, 65), kBack);
        // The neighbouring slots are untouched.
        QCOMPARE(at(x - 60 + 20, 34), WordBoard::shadeColor(20));
        QCOMPARE(at(x + 60 + 20, 34), WordBoard::shadeColor(20));
    }

    void revealPausesBeforeEveryRowAndShowsTheRowsSoFar()
    {
        m_wordBoard->DrawWordBoard(3);
        m_letter->Cls();
        m_letter->RectangleOutline(0, 0, 39, 64, kInk);
        for (int y = 0; y < 65; ++y)
            m_letter->PSet(20, y, kInk);
        const int x = m_wordBoard->slotX(1);
        QStringList wrong;
        m_services.onPause = [&] {
            // Before the pause for row k, rows 0 to k - 1 are on the board and row k is not.
            const int row = m_services.pauses - 1;
            if (row > 0 && at(x + 20, row - 1) != kInk)
                wrong << QString("row %1 missing").arg(row - 1);
            if (at(x + 20, row) == kInk)
                wrong << QString("row %1 early").arg(row);
        };
        m_wordBoard->RevealLetter("A", 1);
        QCOMPARE(m_services.pauses, 65);
        QCOMPARE(m_services.pausedMilliseconds, 650);
        QCOMPARE(wrong, QStringList());
        QCOMPARE(at(x + 20, 64), kInk);
    }

    void positionOutsideTheBoardIsASubscriptError_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("0") << 0;
        QTest::newRow("14") << 14;
        QTest::newRow("-1") << -1;
    }

    void positionOutsideTheBoardIsASubscriptError()
    {
        QFETCH(int, position);
        m_wordBoard->DrawWordBoard(13);
        const QList<qint32> before = m_board->pixels();
        try {
            m_wordBoard->RevealLetter("A", static_cast<qint16>(position));
            QFAIL("no error raised");
        } catch (const RunTimeError &error) {
            QCOMPARE(error.number(), ErrorNumber::SubscriptOutOfRange);
        }
        QCOMPARE(m_services.pauses, 0);
        QCOMPARE(m_board->pixels(), before);
    }

    void moreSlotsThanTheBoardHoldsIsASubscriptError()
    {
        QVERIFY_THROWS_EXCEPTION(RunTimeError, m_wordBoard->DrawWordBoard(14));
    }

    void drawingTheBoardAgainEmptiesRevealedSlots()
    {
        m_wordBoard->DrawWordBoard(5);
        const QList<qint32> empty = m_board->pixels();
        paintLetterBox();
        m_wordBoard->RevealLetter("A", 1);
        m_wordBoard->RevealLetter("A", 4);
        QVERIFY(m_board->pixels() != empty);
        m_wordBoard->DrawWordBoard(5);
        QCOMPARE(m_board->pixels(), empty);
    }
};

QTEST_GUILESS_MAIN(TestWordBoard)
#include "tst_wordboard.moc"
