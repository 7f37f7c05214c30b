#include "RunTimeError.h"
#include "TestFiles.h"
#include "TextFileReader.h"
#include "WordFileLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Entries as "adult 1: word | definition @line", "child 2: word @line", "skipped: word @line".
class RecordingSink : public WordFileLoader::Sink
{
public:
    void entryLoaded(const WordFileEntry &e) override
    {
        if (e.level == 1)
            entries << QStringLiteral("adult %1: %2 | %3 @%4")
                           .arg(e.slot)
                           .arg(e.word, e.definition)
                           .arg(e.line);
        else
            entries << QStringLiteral("child %1: %2 @%3").arg(e.slot).arg(e.word).arg(e.line);
    }
    void entrySkipped(const WordFileEntry &e) override
    {
        entries << QStringLiteral("skipped: %1 @%2").arg(e.word).arg(e.line);
    }
    QStringList entries;
};

void failOnAnyError(const RunTimeError &error)
{
    throw error;
}

QByteArray manyEntries(const QByteArray &prefix, int count, bool adult)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += (adult ? "*" : "") + prefix + QByteArray::number(i) + "\r\n";
        if (adult)
            bytes += "meaning\r\n";
    }
    return bytes;
}

} // namespace

class TestWordFileLoader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString fileWith(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath("Dictionary.txt");
        writeBytes(path, bytes);
        return path;
    }

    QStringList load(const QByteArray &bytes)
    {
        TextFileReader reader(QFile::encodeName(fileWith(bytes)));
        WordFileLoader loader(reader, failOnAnyError);
        RecordingSink sink;
        loader.load(sink);
        return sink.entries;
    }

    RunTimeError loadError(const QByteArray &bytes)
    {
        try {
            load(bytes);
        } catch (const RunTimeError &error) {
            return error;
        }
        return RunTimeError(0);
    }

private Q_SLOTS:
    void readsEntries_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("adult and child, CR LF")
            << QByteArray("*Apple\r\nA round fruit\r\nBeet\r\n")
            << QStringList{"adult 1: Apple | A round fruit @1", "child 1: Beet @3"};
        QTest::newRow("lone CR ends a line")
            << QByteArray("Cat\rDog\r") << QStringList{"child 1: Cat @1", "child 2: Dog @2"};
        QTest::newRow("LF alone stays in the line")
            << QByteArray("Ca\nt\r\nDog") << QStringList{"child 1: Ca\nt @1", "child 2: Dog @2"};
        QTest::newRow("last line without terminator")
            << QByteArray("Cat\r\nDog") << QStringList{"child 1: Cat @1", "child 2: Dog @2"};
        QTest::newRow("final CR LF adds no entry")
            << QByteArray("Cat\r\n") << QStringList{"child 1: Cat @1"};
        QTest::newRow("empty line is an empty child word")
            << QByteArray("Cat\r\r\nDog")
            << QStringList{"child 1: Cat @1", "child 2:  @2", "child 3: Dog @3"};
        QTest::newRow("only LFs make one line")
            << QByteArray("\n\n\n") << QStringList{"child 1: \n\n\n @1"};
        QTest::newRow("only CRs make empty words")
            << QByteArray("\r\r") << QStringList{"child 1:  @1", "child 2:  @2"};
        QTest::newRow("lone star is an empty adult word")
            << QByteArray("*\r\nnothing at all\r\n")
            << QStringList{"adult 1:  | nothing at all @1"};
        QTest::newRow("definition line is never examined")
            << QByteArray("*Moon\r\n*Sun\r\nSky\r\n")
            << QStringList{"adult 1: Moon | *Sun @1", "child 1: Sky @3"};
        QTest::newRow("empty definition")
            << QByteArray("*Moon\r\n\r\n") << QStringList{"adult 1: Moon |  @1"};
        QTest::newRow("star, blank, word keeps the blank")
            << QByteArray("* Moon\r\nLights the night\r\n")
            << QStringList{"adult 1:  Moon | Lights the night @1"};
        QTest::newRow("star inside a word, blanks, case kept")
            << QByteArray("ice Cream \r\nA*B\r\n")
            << QStringList{"child 1: ice Cream  @1", "child 2: A*B @2"};
        QTest::newRow("byte-order mark is not part of the first word")
            << QByteArray("\xEF\xBB\xBF*Owl\r\nBird\r\n") << QStringList{"adult 1: Owl | Bird @1"};
        QTest::newRow("byte-order mark alone is an empty file")
            << QByteArray("\xEF\xBB\xBF") << QStringList();
        QTest::newRow("invalid UTF-8 keeps a replacement character")
            << QByteArray("Caf\xE9\r\n") << QStringList{QString::fromUtf8("child 1: Caf\uFFFD @1")};
        QTest::newRow("UTF-8 letters")
            << QByteArray("Caf\xC3\xA9\r\n") << QStringList{QString::fromUtf8("child 1: Café @1")};
        QTest::newRow("thirteen characters load")
            << QByteArray("Abcdefghijklm\r\n") << QStringList{"child 1: Abcdefghijklm @1"};
        QTest::newRow("fourteen characters are skipped and not counted")
            << QByteArray("Abcdefghijklmn\r\nCat\r\n")
            << QStringList{"skipped: Abcdefghijklmn @1", "child 1: Cat @2"};
        QTest::newRow("thirteen emoji, fourteen accented letters: characters as seen")
            << QByteArray(QString(13, QChar(0x2764)).toUtf8() + "\r\n" +
                          QString::fromUtf8("\U0001F600").repeated(13).toUtf8() + "\r\n" +
                          QString::fromUtf8("e\u0301").repeated(14).toUtf8() + "\r\n")
            << QStringList{"child 1: " + QString(13, QChar(0x2764)) + " @1",
                           "child 2: " + QString::fromUtf8("\U0001F600").repeated(13) + " @2",
                           "skipped: " + QString::fromUtf8("e\u0301").repeated(14) + " @3"};
        QTest::newRow("skipped adult entry still takes its definition")
            << QByteArray("*Extraordinarily\r\nBeyond the usual\r\nDog\r\n*Owl\r\nBird")
            << QStringList{"skipped: Extraordinarily @1", "child 1: Dog @3",
                           "adult 1: Owl | Bird @4"};
    }

    void readsEntries()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QCOMPARE(load(bytes), expected);
    }

    void lineEndSplitAcrossReadBlocks()
    {
        // The CR is the last byte of the first 64 KiB block and its LF the first of the next.
        const QByteArray longLine(64 * 1024 - 1, 'x');
        const QStringList entries = load(longLine + "\r\nCat\r\nDog");
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(1), QString("child 1: Cat @2"));
        QCOMPARE(entries.at(2), QString("child 2: Dog @3"));
    }

    void lineOfMegabytesIsSkipped()
    {
        const QByteArray huge(7 * 1024 * 1024, 'w');
        const QStringList entries = load(huge + "\r\nCat");
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(1), QString("child 1: Cat @2"));
    }

    void thousandEntriesOfEachLevelLoad()
    {
        const QStringList entries =
            load(manyEntries("a", 1000, true) + manyEntries("c", 1000, false));
        QCOMPARE(entries.size(), 2000);
        QCOMPARE(entries.at(999), QString("adult 1000: a999 | meaning @1999"));
        QCOMPARE(entries.last(), QString("child 1000: c999 @3000"));
    }

    void tooManyEntriesStopTheLoad_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::newRow("1001st child") << manyEntries("c", 1001, false) << 1001;
        QTest::newRow("1001st adult") << manyEntries("a", 1001, true) << 2001;
        QTest::newRow("skipped words do not count")
            << manyEntries("abcdefghijklmnop", 5, false) + manyEntries("c", 1001, false) << 1006;
    }

    void tooManyEntriesStopTheLoad()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        const RunTimeError error = loadError(bytes);
        QCOMPARE(error.number(), ErrorNumber::SubscriptOutOfRange);
        QCOMPARE(error.lineNumber(), line);
        QCOMPARE(error.filePath(), m_dir.filePath("Dictionary.txt"));
    }

    void starLineAtTheEndIsInputPastEndOfFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::newRow("with terminator") << QByteArray("Cat\r\n*Owl\r\n") << 2;
        QTest::newRow("without terminator") << QByteArray("Cat\r\n*Owl") << 2;
        QTest::newRow("too long, still needs its definition")
            << QByteArray("*Extraordinarily\r\n") << 1;
    }

    void starLineAtTheEndIsInputPastEndOfFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        const RunTimeError error = loadError(bytes);
        QCOMPARE(error.number(), ErrorNumber::InputPastEndOfFile);
        QCOMPARE(error.lineNumber(), line);
    }

    void folderInsteadOfFileIsAnAccessError()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Dictionary.txt"));
        TextFileReader reader(QFile::encodeName(dir.filePath("Dictionary.txt")));
        WordFileLoader loader(reader, failOnAnyError);
        RecordingSink sink;
        QVERIFY_THROWS_EXCEPTION(RunTimeError, loader.load(sink));
        try {
            loader.load(sink);
        } catch (const RunTimeError &error) {
            QCOMPARE(error.number(), ErrorNumber::PathFileAccessError);
        }
    }
};

QTEST_GUILESS_MAIN(TestWordFileLoader)
#include "tst_wordfileloader.moc"
