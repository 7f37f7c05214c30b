#include "TestFiles.h"
#include "WordFileChecker.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QStringList lines;
};

Run checkWords(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUILLOW_CHECK_WORDS), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)};
}

// The parts of a finding that matter: "line: severity: text", without the path.
QStringList findings(const Run &run, const QString &path)
{
    QStringList out;
    for (const QString &line : run.lines.mid(0, run.lines.size() - 1))
        out << QString(line).remove(0, path.size() + 1);
    return out;
}

} // namespace

class TestCheckWords : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void shippedWordFileIsClean()
    {
        const Run run = checkWords({QStringLiteral(QUILLOW_SHIPPED_WORDS)});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.lines.size() == 1, qPrintable(run.lines.join(u'\n')));
        QVERIFY(run.lines.last().endsWith("; 0 findings"));
    }

    void shippedWordsFollowTheHouseRules()
    {
        const QByteArray bytes = readBytes(QStringLiteral(QUILLOW_SHIPPED_WORDS));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        const QStringList lines = QString::fromUtf8(bytes).split("\r\n");
        const QRegularExpression playable("^[A-Za-z]{3,13}$");
        QStringList adult, child, problems;
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QString &line = lines.at(i);
            const bool isAdult = line.startsWith(u'*');
            const QString word = isAdult ? line.mid(1) : line;
            if (!playable.match(word).hasMatch())
                problems << "not 3 to 13 letters: " + word;
            if (isAdult) {
                const QString definition = lines.at(++i);
                // A definition must not give the word away, nor a word that starts like it.
                const QString stem = word.left(5).toLower();
                for (const QString &token : definition.toLower().split(QRegularExpression("\\W+")))
                    if (token.startsWith(stem))
                        problems << "definition gives away " + word;
                if (definition.size() < 10)
                    problems << "definition too short: " + word;
                adult << word.toUpper();
            } else {
                child << word.toUpper();
            }
        }
        QCOMPARE(problems, QStringList());
        QVERIFY(adult.size() >= 250);
        QVERIFY(child.size() >= 250);
        QCOMPARE(adult.removeDuplicates(), qsizetype(0));
        QCOMPARE(child.removeDuplicates(), qsizetype(0));
    }

    void findingsNameTheirLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("status");
        QTest::newRow("clean") << QByteArray("*Owl\r\nA night bird\r\nCat\r\n") << QStringList()
                               << 0;
        QTest::newRow("warnings")
            << QByteArray("*Owl\r\n\r\nice cream\r\nExtraordinarily\r\nCAT\r\ncat\r\n\r\nX-ray\r\n")
            << QStringList{"2: warning: the adult word \"Owl\" has an empty definition",
                           "3: warning: \"ice cream\" has a space, which no letter button can "
                           "guess: a game of it can only be lost",
                           "4: warning: \"Extraordinarily\" has more than 13 characters: the game "
                           "skips it",
                           "6: warning: \"cat\" is already a child word at line 5",
                           "7: warning: an empty child word",
                           "8: warning: \"X-ray\" has \"-\", which no letter button can guess: a "
                           "game of it can only be lost"}
            << 1;
        QTest::newRow("no adult words")
            << QByteArray("Cat\r\n")
            << QStringList{" warning: no adult word that can be played: "
                           "an adult game has an empty word"}
            << 1;
        QTest::newRow("empty") << QByteArray()
                               << QStringList{" error: no word in the file can be played: The "
                                              "file is empty. Add words with ADD WORD TO "
                                              "DICTIONARY, or write them into it, one word a line."}
                               << 2;
        QTest::newRow("line feeds only")
            << QByteArray("Cat\nDog\nOwl\n")
            << QStringList{"1: warning: \"Cat\\x0aDog\\x0aOwl\\x0a\" has a line feed, which no "
                           "letter button can guess: a game of it can only be lost",
                           " error: no word in the file can be played: Its lines end with a line "
                           "feed alone, as most Linux editors save them, but the game needs "
                           "Windows line ends (CR LF). Save it with Windows line ends, for example "
                           "with unix2dos."}
            << 2;
        QTest::newRow("UTF-16")
            << QByteArray("\xFF\xFE"
                          "C\0a\0t\0\r\0\n\0",
                          12)
            << QStringList{"1: warning: \"\uFFFD\uFFFDC\\x00a\\x00t\\x00\" has \"\uFFFD\", "
                           "\"\\x00\", "
                           "which no letter button can guess: a game of it can only be lost",
                           "1: warning: bytes that are not UTF-8 text: the file may be saved in "
                           "another encoding; save it as UTF-8",
                           "2: warning: \"\\x00\\x0a\\x00\" has \"\\x00\", a line feed, which no "
                           "letter "
                           "button can guess: a game of it can only be lost",
                           " error: no word in the file can be played: The file is saved as UTF-16 "
                           "(\"Unicode\" in Windows Notepad), but the game reads UTF-8. Save it as "
                           "UTF-8."}
            << 2;
        QTest::newRow("not UTF-8, emoji")
            << QByteArray("Caf\xE9\r\n\xF0\x9F\x98\x80\xF0\x9F\x98\x80\r\n*Owl\r\nA bird\r\n")
            << QStringList{"1: warning: \"Caf\uFFFD\" has \"\uFFFD\", which no letter button can "
                           "guess: a game of it can only be lost",
                           "1: warning: bytes that are not UTF-8 text: the file may be saved in "
                           "another encoding; save it as UTF-8",
                           "2: warning: \"\U0001F600\U0001F600\" has \"\U0001F600\", which no "
                           "letter button can guess: a game of it can only be lost"}
            << 1;
        QTest::newRow("star line at the end")
            << QByteArray("Cat\r\n*Owl\r\nA bird\r\n*Dog\r\n")
            << QStringList{"4: error: the last word is marked \"*\" as an adult word, but the "
                           "file ends before its definition line: the game will not start"}
            << 2;
    }

    void findingsNameTheirLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(int, status);
        const QString path = m_dir.filePath("words.txt");
        writeBytes(path, bytes);
        const Run run = checkWords({path});
        QCOMPARE(findings(run, path), expected);
        QCOMPARE(run.status, status);
    }

    void tooManyWordsIsAnError()
    {
        QByteArray bytes;
        for (int i = 0; i < 1001; ++i)
            bytes += "Cat\r\n";
        const QString path = m_dir.filePath("many.txt");
        writeBytes(path, bytes);
        const auto report = WordFileChecker::check(QFile::encodeName(path));
        QCOMPARE(report.exitStatus(), 2);
        QCOMPARE(report.findings.last().line, 1001);
        QVERIFY(report.findings.last().text.startsWith("a level holds more than 1000 words"));
    }

    void unreadableFileIsAnError()
    {
        const Run run = checkWords({m_dir.filePath("missing.txt")});
        QCOMPARE(run.status, 2);
        QVERIFY(run.lines.first().endsWith("error: cannot read " + m_dir.filePath("missing.txt") +
                                           ": No such file or directory"));
    }

    void helpExplainsItself()
    {
        const Run run = checkWords({"--help"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.lines.first().startsWith("Usage: quillow-check-words [FILE]"));
    }
};

QTEST_GUILESS_MAIN(TestCheckWords)
#include "tst_checkwords.moc"
