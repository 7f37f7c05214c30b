// The words floor: reading, drawing, adding and checking words; bytes that may not be UTF-8.

#include "CDicitionaryInterface.h"
#include "CSecretWord.h"
#include "EntryPlan.h"
#include "FileErrorPrompt.h"
#include "MemoryLineReader.h"
#include "NewEntryCheck.h"
#include "RunTimeError.h"
#include "TestFiles.h"
#include "Utf8Text.h"
#include "WordFileChecker.h"
#include "WordFileLoader.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

// The entries as "adult 1: word | definition @line", "child 2: word @line", "skipped: word
// @line", and the error that stopped the load as "error 62 @line in file", one to a line.
QString load(const QByteArray &bytes)
{
    struct : WordFileLoader::Sink
    {
        QStringList out;
        void entryLoaded(const WordFileEntry &e) override
        {
            out << QString(e.level ? "adult %1: %2 | %3 @%4" : "child %1: %2%3 @%4")
                       .arg(e.slot)
                       .arg(e.word, e.level ? e.definition : "", QString::number(e.line));
        }
        void entrySkipped(const WordFileEntry &e) override
        {
            out << QString("skipped: %1 @%2").arg(e.word).arg(e.line);
        }
    } sink;
    MemoryLineReader reader(bytes, "words.txt");
    try {
        WordFileLoader(reader).load(sink);
    } catch (const RunTimeError &e) {
        sink.out
            << QString("error %1 @%2 in %3").arg(e.number()).arg(e.lineNumber()).arg(e.filePath());
    }
    return sink.out.join('\n');
}

QByteArray entries(const char *prefix, int count, bool adult)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += (adult ? "*" : "") + QByteArray(prefix) + QByteArray::number(i) +
                 (adult ? "\r\nd\r\n" : "\r\n");
    return bytes;
}

// An entry added from the panel: the file's bytes before, the entry, and what is written (null:
// refused) or the refusal's title, the box at fault, and a part of its text.
struct Entry
{
    QByteArray contents;
    qint16 level;
    QString word, definition;
    QByteArray written;
    QString refusal = {}, saying = {};
};

// A reader whose second line read fails twice with the given error, then reads on.
struct FaultyReader : MemoryLineReader
{
    explicit FaultyReader(int n) : MemoryLineReader("*Owl\r\nA bird\r\nCat\r\n"), number(n) {}
    QString readLine() override
    {
        if (++calls == 2 && failures-- > 0) {
            --calls; // the same read comes again
            throw RunTimeError(number);
        }
        return MemoryLineReader::readLine();
    }
    int number, calls = 0, failures = 2;
};

} // namespace

class TestWords : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void loaderReadsEntries_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("loaded"); // the last entries
        auto row = [](const char *tag, const QByteArray &bytes, const QString &loaded) {
            QTest::newRow(tag) << bytes << loaded;
        };
        row("an adult entry is two lines, a child one one", "*Owl\r\nA bird\r\nCat\r\n",
            "adult 1: Owl | A bird @1\nchild 1: Cat @3");
        row("CR or CR LF ends a line, LF alone does not", "Cat\rDog\nEel\r\nFox",
            "child 1: Cat @1\nchild 2: Dog\nEel @2\nchild 3: Fox @3");
        row("a star alone is an adult marker", "*\r\n*Owl\r\n* Sun\r\n\r\n",
            "adult 1:  | *Owl @1\nadult 2:  Sun |  @3");
        row("a byte-order mark is dropped, bytes not UTF-8 are replaced",
            "\xEF\xBB\xBF"
            "Caf\xC3\xA9\r\nCaf\xE9",
            "child 1: Café @1\nchild 2: Caf\uFFFD @2");
        row("words of more than 13 characters are skipped",
            "abcdefghijklm\r\nabcdefghijklmn\r\n*Extraordinarily\r\nvery\r\nOx",
            "child 1: abcdefghijklm @1\nskipped: abcdefghijklmn @2\nskipped: Extraordinarily "
            "@3\nchild 2: Ox @5");
        const QString seen = QString("😀e\u0301").repeated(6) + 'a'; // 13 characters, 25 code points
        row("characters are counted as seen", (seen + "\r\n" + seen + "b").toUtf8(),
            "child 1: " + seen + " @1\nskipped: " + seen + "b @2");
        row("a star line last stops with error 62", "Cat\r\n*Owl",
            "child 1: Cat @1\nerror 62 @2 in words.txt");
        row("1000 words of each level are read",
            entries("c", 1000, false) + entries("a", 1000, true), "adult 1000: a1000 | d @2999");
        row("the 1001st child word stops with error 9", entries("c", 1001, false),
            "child 1000: c1000 @1000\nerror 9 @1001 in words.txt");
    }

    void loaderReadsEntries()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, loaded);
        QVERIFY2(load(bytes).endsWith(loaded), qPrintable(load(bytes).right(200)));
    }

    // Every word of a level is drawn, about as often as any other, and nothing outside it.
    void dictionaryDrawsEveryWordOfALevel()
    {
        MemoryLineReader reader(entries("A", 7, true) + entries("C", 5, false));
        RandomFraction random;
        random.seed(2026);
        CDicitionaryInterface dictionary(reader, [&random] { return random.next(); });
        QVERIFY(!dictionary.load());
        QHash<QString, int> seen;
        for (const qint16 level : {1, 0, 2})
            for (int i = 0; i < 3500; ++i) {
                const auto word = dictionary.getWord(level);
                seen[word->Word() + word->Definition()]++;
            }
        QCOMPARE(seen.size(), 12);
        for (auto it = seen.cbegin(); it != seen.cend(); ++it)
            QVERIFY2(std::abs(it.value() - (it.key().endsWith('d') ? 500 : 1400)) < 150,
                     qPrintable(it.key()));
        QVERIFY(dictionary.getWord(1) != dictionary.getWord(1)); // a new object every time
        QCOMPARE(CDicitionaryInterface::slotForDraw(std::nextafter(1.0f, 0.0f), 1000), 1000);
        // Each start of the game draws words in an order of its own.
        QStringList drawn[2];
        for (QStringList &words : drawn) {
            MemoryLineReader file(entries("C", 50, false));
            CDicitionaryInterface own(file);
            QVERIFY(!own.load());
            for (int i = 0; i < 20; ++i)
                words << own.getWord(0)->Word();
        }
        QVERIFY(drawn[0] != drawn[1]);
    }

    // A read that fails stops the load with its error, file and line, and the next load makes
    // that read again and goes on, keeping what was read before it.
    void aFailedReadIsMadeAgainByTheNextLoad()
    {
        FaultyReader reader(ErrorNumber::DiskNotReady);
        CDicitionaryInterface dictionary(reader);
        for (int failure = 0; failure < 2; ++failure) {
            const std::optional<RunTimeError> error = dictionary.load();
            QVERIFY(error);
            QCOMPARE(QString("%1 @%2").arg(error->number()).arg(error->lineNumber()), "71 @1");
        }
        QVERIFY(!dictionary.load());
        const auto adult = dictionary.getWord(1);
        QCOMPARE(adult->Word() + '|' + adult->Definition() + '|' + dictionary.getWord(0)->Word(),
                 "Owl|A bird|Cat");
    }

    // After "Diskette not ready" the step is made again on Retry alone.
    void theDiskNotReadyQuestionRetriesOnRetryAlone()
    {
        const auto question = FileErrorPrompt::questionFor(RunTimeError(ErrorNumber::DiskNotReady));
        QVERIFY(question && question->kind == MessageBoxKind::RetryCancelQuestion);
        QCOMPARE(question->title + ": " + question->text,
                 "Diskette Error: Diskette not ready.  Retry?");
        QVERIFY(FileErrorPrompt::triesAgain(*question, MessageBoxAnswer::Retry));
        QVERIFY(!FileErrorPrompt::triesAgain(*question, MessageBoxAnswer::Cancel));
        QVERIFY(!FileErrorPrompt::questionFor(RunTimeError(ErrorNumber::DeviceIOError)));
    }

    // What an add writes after the file's bytes, or why not and to which box the player goes
    // back; what it writes reads back as the old entries and then exactly the new one.
    void anAddWritesWhatReadsBack_data()
    {
        QTest::addColumn<Entry>("entry");
        auto added = [](const char *tag, const Entry &entry) { QTest::newRow(tag) << entry; };
        auto refused = added;
        added("a child word after the last line, its definition not read",
              {"Cat\r\n", 0, "Dog", "a\n\t", "Dog\r\n"});
        added("an adult word and its definition",
              {"Cat\r\n", 1, "Owl", "A bird", "*Owl\r\nA bird\r\n"});
        added("a last line without its end is ended first", {"Cat", 0, "Dog", "", "\r\nDog\r\n"});
        added("a lone CR ends a line", {"Cat\r", 0, "Dog", "", "Dog\r\n"});
        added("a lone LF does not", {"Cat\n", 0, "Dog", "", "\r\nDog\r\n"});
        added("a byte-order mark alone holds no line", {"\xEF\xBB\xBF", 0, "Dog", "", "Dog\r\n"});
        const QString emoji = QString("😀").repeated(12);
        added("twelve emoji and a blank", {"", 0, emoji + ' ', "", emoji.toUtf8() + " \r\n"});
        const QString accented = ("a" + QString(40, QChar(0x301))).repeated(13);
        added("13 letters with 40 accents each", {"", 0, accented, "", accented.toUtf8() + "\r\n"});
        refused("fourteen emoji", {"", 0, emoji + "😀😀", "", {}, "Word too long"});
        refused("a child word that begins with a star",
                {"", 0, "*Star", "", {}, "Word not accepted", "\"*\""});
        refused("a line break in a word",
                {"", 0, "Ca\nt", "x", {}, "Word not accepted", "one line"});
        refused("a line break in a definition",
                {"", 1, "Cat", "a\r", {}, "Word not accepted, in the definition", "one line"});
        refused("an escape sequence in a word",
                {"", 0, "Ca\x1b[2Jt", "", {}, "Word not accepted", "control"});
        refused("a delete in a definition",
                {"", 1, "Owl", "a\x7f", {}, "Word not accepted, in the definition", "control"});
        const QString bom(QChar(0xFEFF)); // a string literal's would be dropped as it is decoded
        refused("a byte-order mark before a star, in an empty file",
                {"", 0, bom + "*Owl", "", {}, "Word not accepted", "byte-order mark"});
        refused("the same after other words",
                {"Cat\r\n", 0, bom + "*Owl", "", {}, "Word not accepted", "byte-order mark"});
        added("after an adult word's star, it stays",
              {"Cat\r\n", 1, bom + "Owl", "d", "*\xEF\xBB\xBFOwl\r\nd\r\n"});
        added("a byte-order mark inside a word stays",
              {"Cat\r\n", 0, "O" + bom + "wl", "", "O\xEF\xBB\xBFwl\r\n"});
        refused("half of a character",
                {"", 0, QString(QChar(0xD800)), "", {}, "Word not accepted"});
        refused("a file that does not load as it is", {"Cat\r\n*Owl", 0, "Dog", "", {}, "Error"});
        refused("a full level", {entries("c", 1000, false), 0, "Dog", "", {}, "Dictionary full"});
        added("a word the game skips fills no place",
              {entries("c", 999, false) + "abcdefghijklmn\r\n", 0, "Dog", "", "Dog\r\n"});
        added("a file of 8 MiB at most",
              {QByteArray(8 << 20, 'x').chopped(7), 0, "Dog", "", "\r\nDog\r\n"});
        refused("a file that would pass 8 MiB",
                {QByteArray(8 * 1024 * 1024 - 4, 'x'), 0, "Dog", "", {}, "Error"});
    }

    void anAddWritesWhatReadsBack()
    {
        QFETCH(Entry, entry);
        const auto &[contents, level, word, definition, written, refusal, saying] = entry;
        // Checked as typed, as the panel does, then against the file.
        const auto checked = checkNewEntry(word, definition, level);
        const auto planned =
            checked ? *checked : EntryPlan(contents).bytesFor(word, definition, level);
        if (const auto *refused = std::get_if<EntryRefusal>(&planned)) {
            const bool inDefinition = refused->field == EntryRefusal::Field::Definition;
            QCOMPARE(refused->title + (inDefinition ? ", in the definition" : ""), refusal);
            QVERIFY2(refused->text.contains(saying), qPrintable(refused->text));
        }
        const auto *bytes = std::get_if<QByteArray>(&planned);
        QCOMPARE(bytes ? *bytes : QByteArray(), written);
        if (!bytes)
            return;
        const QString before = load(contents), after = load(contents + *bytes);
        QVERIFY(after.startsWith(before));
        const QString added = after.mid(before.size()).trimmed();
        QVERIFY(!added.contains('\n'));
        QCOMPARE(added.section(": ", 1).section(" @", 0, 0),
                 level ? word + " | " + definition : word);
    }

    // The checker's findings, each as "line severity" and the start of what it is about, "|"
    // between them. An error (E) gives status 2, a warning alone 1.
    void checkerReportsByLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("findings");
        const char *rows[][3] = {
            {"a good file", "*Owl\r\nA bird\r\nZoo\r\n", ""},
            {"what the game skips or can never win",
             "*Owl\r\n\r\nice cream\r\nExtraordinarily\r\nCAT\r\ncat\r\n\r\nX-ray\r\n*Owl\r\nd",
             "2 W the adult word \"Owl\" has an empty definition|3 W \"ice cream\" has a space, "
             "which no|4 W \"Extraordinarily\" has more than 13|6 W \"cat\" is already a child "
             "word at line 5|7 W an empty child word|8 W \"X-ray\" has \"-\", which|9 W \"Owl\" "
             "is already an adult word at line 1"},
            {"text that is not UTF-8, a tab, no child word", "*Caf\xE9\r\nd\r\n*😀\t\r\nd",
             "1 W \"Caf\uFFFD\" has \"\uFFFD\", which|1 W bytes that are not UTF-8|"
             "3 W \"😀\\x09\" has \"😀\", a tab, which|0 W no child word that can be played"},
            {"an empty file", "", "0 E no word in the file can be played: The file is empty"},
            {"line feeds alone", "Cat\nDog\n",
             "1 W \"Cat\\x0aDog\\x0a\" has a line feed|0 E no word in the file can be played: Its "
             "lines end"},
            {"a file saved as UTF-16", "\xFE\xFF\x01\x43",
             "1 W|1 W|0 E no word in the file can be played: The file is saved as UTF-16"},
            {"every word too long", "Extraordinarily",
             "1 W|0 E no word in the file can be played: Every word in it has more than"},
            {"a star line last", "Cat\r\n*Dog",
             "2 E the last word is marked \"*\" as an adult word, but"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QByteArray(row[1]) << QString(row[2]);
    }

    void checkerReportsByLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, findings);
        writeBytes(m_dir.filePath("words.txt"), bytes);
        const auto report = WordFileChecker::check(QFile::encodeName(m_dir.filePath("words.txt")));
        const QStringList expected = findings.split('|', Qt::SkipEmptyParts);
        QCOMPARE(report.findings.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const auto &f = report.findings[i];
            const bool error = f.severity == WordFileChecker::Finding::Severity::Error;
            const QString got = QString("%1 %2 %3").arg(f.line).arg(error ? 'E' : 'W').arg(f.text);
            QVERIFY2(got.startsWith(expected[i]), qPrintable(got));
        }
        QCOMPARE(report.exitStatus(), findings.contains(" E ") ? 2 : findings.isEmpty() ? 0 : 1);
    }

    // What a terminal would act on is escaped, so that a word cannot forge or hide a finding;
    // bytes that are not UTF-8 are shown as such.
    void printableText()
    {
        QCOMPARE(
            WordFileChecker::printable(QString("a\x1b]0\x07") + QChar(0) +
                                       QString::fromUtf8("\x7f\xc2\x85\\x1b %1 é\u202e\u00a0")),
            QString::fromUtf8("a\\x1b]0\\x07\\x00\\x7f\\x85\\\\x1b %1 é\\u202e\u00a0"));
        // Tags beyond the first 65,536 code points, line and paragraph separators: invisible too.
        QCOMPARE(WordFileChecker::printable(QString::fromUtf8("O\U000E0041\u2028w\u2029l😀")),
                 QString::fromUtf8("O\\U000e0041\\u2028w\\u2029l😀"));
        const QByteArray bytes =
            "é€😀 \xC2\x80\xDF\xBF\xED\x9F\xBF\xF4\x8F\xBF\xBF a\xFF"
            "b\x80 \xC0\xAF\xE0\x80\xAF \xED\xA0\x80\xED\xBF\xBF \xF4\x90\x80\x80 \xE2\x82";
        QCOMPARE(Utf8Text::shown(bytes),
                 QString::fromUtf8(
                     "é€😀 \u0080\u07FF\uD7FF\U0010FFFF a\\xffb\\x80 \\xc0\\xaf\\xe0\\x80\\xaf "
                     "\\xed\\xa0\\x80\\xed\\xbf\\xbf \\xf4\\x90\\x80\\x80 \\xe2\\x82"));
        QCOMPARE(Utf8Text::shown("a\\b\xFF", WordFileChecker::printable), QString("a\\\\b\\xff"));
    }
};

QTEST_GUILESS_MAIN(TestWords)
#include "tst_words.moc"
