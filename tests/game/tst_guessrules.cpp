#include "CSecretWord.h"
#include "GuessRules.h"

#include <QTest>

class TestGuessRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Letters guessed one after another, each counted as the game counts it.
    void guessesAreCountedUntilTheGameEnds_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("guesses");
        QTest::addColumn<QList<qint16>>("lastPositions");
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("misses");
        QTest::addColumn<QString>("outcome");
        using P = QList<qint16>;
        QTest::newRow("a letter standing twice") << "Bee"
                                                 << "E" << P{2, 3} << 2 << 0 << "playing";
        QTest::newRow("either case") << "Bee"
                                     << "b" << P{1} << 1 << 0 << "playing";
        QTest::newRow("won") << "Bee"
                             << "EB" << P{1} << 3 << 0 << "won";
        QTest::newRow("won after five misses") << "Bee"
                                               << "ACDFGBE" << P{2, 3} << 3 << 5 << "won";
        QTest::newRow("lost on the sixth miss") << "Bee"
                                                << "ACDFGH" << P{} << 0 << 6 << "lost";
        QTest::newRow("a space no button has") << "ice cream"
                                               << "ICERAM" << P{9} << 8 << 0 << "playing";
        QTest::newRow("an empty word is won by a miss") << ""
                                                        << "A" << P{} << 0 << 1 << "won";
    }

    void guessesAreCountedUntilTheGameEnds()
    {
        QFETCH(QString, word);
        QFETCH(QString, guesses);
        QFETCH(QList<qint16>, lastPositions);
        QFETCH(int, hits);
        QFETCH(int, misses);
        QFETCH(QString, outcome);
        auto secret = std::make_shared<CSecretWord>();
        secret->setWord(word);
        GuessRules rules;
        rules.start(secret);
        QList<qint16> positions;
        for (const QChar c : guesses) {
            positions = rules.positionsOf(QString(c));
            for (qsizetype i = 0; i < positions.size(); ++i)
                rules.countHit();
            if (positions.isEmpty())
                rules.countMiss();
        }
        QCOMPARE(positions, lastPositions);
        QCOMPARE(rules.hits(), hits);
        QCOMPARE(rules.misses(), misses);
        QCOMPARE(rules.isWon() ? "won" : rules.isLost() ? "lost" : "playing", outcome);

        rules.start(secret); // a new game starts from nothing
        QCOMPARE(rules.hits(), 0);
        QCOMPARE(rules.misses(), 0);
    }
};

QTEST_GUILESS_MAIN(TestGuessRules)
#include "tst_guessrules.moc"
