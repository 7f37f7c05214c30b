#include "CSecretWord.h"
#include "Integer16.h"
#include "RunTimeError.h"

#include <QTest>

class TestSecretWord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newWordIsEmpty()
    {
        const CSecretWord word;
        QCOMPARE(word.Word(), QString());
        QCOMPARE(word.Definition(), QString());
        QCOMPARE(word.numLetters(), 0);
    }

    void keepsTextExactlyAsGiven()
    {
        CSecretWord word;
        word.setDefinition("kept");
        word.setWord("first");
        word.setWord(" ice Cream ");
        QCOMPARE(word.Word(), QString(" ice Cream "));
        QCOMPARE(word.Definition(), QString("kept"));
        QCOMPARE(word.numLetters(), 11);
    }

    void hasLetterAt_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("pos");
        QTest::addColumn<bool>("expected");

        QTest::newRow("lower letter, upper word") << "Apple"
                                                  << "a" << 1 << true;
        QTest::newRow("lower letter, lower word") << "Apple"
                                                  << "p" << 2 << true;
        QTest::newRow("upper letter, lower word") << "Apple"
                                                  << "P" << 3 << true;
        QTest::newRow("other position") << "Apple"
                                        << "A" << 2 << false;
        QTest::newRow("last position") << "Apple"
                                       << "e" << 5 << true;
        QTest::newRow("beyond the end") << "Apple"
                                        << "e" << 6 << false;
        QTest::newRow("empty letter beyond the end") << "Apple"
                                                     << "" << 6 << true;
        QTest::newRow("empty letter inside") << "Apple"
                                             << "" << 1 << false;
        QTest::newRow("two letters never match") << "Apple"
                                                 << "PP" << 2 << false;
        QTest::newRow("letter not trimmed") << "Apple"
                                            << "p " << 2 << false;
        QTest::newRow("blank inside a word") << "ice cream"
                                             << " " << 4 << true;
        QTest::newRow("far beyond the end") << "Apple"
                                            << "A" << 32767 << false;
        QTest::newRow("empty word") << ""
                                    << "A" << 1 << false;
        QTest::newRow("an emoji is one position")
            << QString::fromUtf8("\U0001F600A") << "A" << 2 << true;
        QTest::newRow("an accented letter is one position")
            << QString::fromUtf8("e\u0301A") << "A" << 2 << true;
    }

    void hasLetterAt()
    {
        QFETCH(QString, word);
        QFETCH(QString, letter);
        QFETCH(int, pos);
        QFETCH(bool, expected);
        CSecretWord secret;
        secret.setWord(word);
        QCOMPARE(secret.hasLetterAt(letter, static_cast<qint16>(pos)), expected);
    }

    void positionBelowOneIsAnInvalidArgument_data()
    {
        QTest::addColumn<int>("pos");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -1;
        QTest::newRow("most negative") << -32768;
    }

    void positionBelowOneIsAnInvalidArgument()
    {
        QFETCH(int, pos);
        CSecretWord secret;
        secret.setWord("Apple");
        try {
            secret.hasLetterAt("A", static_cast<qint16>(pos));
            QFAIL("no error raised");
        } catch (const RunTimeError &error) {
            QCOMPARE(error.number(), ErrorNumber::InvalidProcedureCall);
        }
    }

    void roundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("14.5") << 14.5 << 14;
        QTest::newRow("15.5") << 15.5 << 16;
        QTest::newRow("242.5") << 242.5 << 242;
        QTest::newRow("2137.5") << 2137.5 << 2138;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("14.4999") << 14.4999 << 14;
        QTest::newRow("14.5001") << 14.5001 << 15;
    }

    void roundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(int(toInteger16(value)), expected);
    }

    void sixteenBitOverflowIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(RunTimeError, toInteger16(32767.5 + 1));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, addInteger16(32767, 1));
        QCOMPARE(int(addInteger16(32766, 1)), 32767);
    }
};

QTEST_GUILESS_MAIN(TestSecretWord)
#include "tst_secretword.moc"
