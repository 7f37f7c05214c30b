// Adding to the word file: the format of an entry, and a file that is whole at every instant
// whatever fails, stops the program, or writes to the file at the same time.

#include "ChildProcess.h"
#include "FileCalls.h"
#include "RunTimeError.h"
#include "ScriptedServices.h"
#include "TestFiles.h"
#include "TextFileReader.h"
#include "WordFileAppender.h"
#include "WordFileChecker.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

const QByteArray kBefore = "Bee\r\n*Owl\r\nA bird\r\n";
const QByteArray kEntry = "*Kiwi\r\nA fruit\r\n";
using Call = FileCalls::Call;

// The system calls of an add, counted and logged by their first letters (D: a folder's flush), each
// run of one kind once. The chosen call fails, or the program ends there as a kill would, and
// every call of a broken kind fails; writes are cut to one byte, so that there is a call to stop
// at all through the entry. `before` runs before every call.
struct Faults : FileCalls
{
    int failAt = 0, error = EIO, calls = 0;
    bool die = false;
    std::optional<Call> broken;
    std::function<void(Call)> before = [](Call) {};
    QString log;

    int fault(Call call, std::size_t &size) override
    {
        size = call == Call::Write ? 1 : size;
        const QChar letter = "OLCWFRDTU"[int(call)];
        log += log.endsWith(letter) ? "" : QString(letter);
        before(call);
        if (++calls == failAt && die)
            ::_exit(9);
        return calls == failAt || call == broken ? error : 0;
    }
};

} // namespace

class TestWordFileAppender : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString file(const QString &name = "Dictionary.txt") { return m_dir->filePath(name); }
    QByteArray path() { return QFile::encodeName(file()); }

    // Adds the entry; "added" or what the player was told.
    QString add(Faults *faults = nullptr, ScriptedServices &&services = {})
    {
        const bool added = WordFileAppender(services, path(), faults).append({"*Kiwi", "A fruit"});
        QStringList told;
        for (const auto &m : services.messages)
            told << m.title + ": " + m.text + (m.flags ? " (37)" : "");
        return added ? "added" + told.join('\n') : told.join('\n');
    }

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // At every system call of an add, one failure or a kill: the file is as it was or holds the
    // whole entry, and it loads; a failure is told as it is, and leaves no temporary file. Written
    // in place (a file with a second name is never replaced), a failure leaves it as it was.
    void wholeWhateverStopsTheAdd_data()
    {
        QTest::addColumn<bool>("die");
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("a call fails") << false << false;
        QTest::newRow("killed") << true << false;
        QTest::newRow("in place, a call fails") << false << true;
    }

    void wholeWhateverStopsTheAdd()
    {
        QFETCH(bool, die);
        QFETCH(bool, inPlace);
        auto start = [&] {
            init();
            writeBytes(file(), kBefore);
            return !inPlace || ::link(path(), QFile::encodeName(file("second name"))) == 0;
        };
        Faults counter; // the calls of a whole add, flushed before it counts
        QVERIFY(start());
        QCOMPARE(add(&counter) + counter.log, inPlace ? "addedOLWF" : "addedOLCWFRD");
        for (int at = 1; at <= counter.calls; ++at) {
            QVERIFY(start());
            Faults faults;
            faults.failAt = at;
            faults.die = die;
            const bool added = inChild([&] { return add(&faults) == "added"; }) == 1;
            const QByteArray after = readBytes(file());
            QVERIFY2(after == kBefore || after == kBefore + kEntry,
                     qPrintable(QString::number(at)));
            QVERIFY(WordFileChecker::check(path()).exitStatus() < 2); // it loads
            QVERIFY(die || (after == kBefore + kEntry) == added);
            QVERIFY(die ||
                    QDir(m_dir->path()).entryList({".*"}, QDir::Files | QDir::Hidden).isEmpty());
        }
    }

    // The entry in the file's format, or what the player is told when a call fails or the file
    // must not grow; the calls made (see Faults); the file after.
    void addsAndFailures_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<int>("failAt");        // the call that fails; 0: none
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("told"); // its start, "|", the calls
        QTest::addColumn<QByteArray>("after");
        const QString added = "added|OLCWFRD", error = "Error: The word could not be added: ";
        const QString notReady = "Diskette Error: Diskette not ready.  Retry? (37)";
        const QByteArray bom = "\xEF\xBB\xBF", full = QByteArray("*a\r\nd\r\n").repeated(1000);
        auto row = [](const char *tag, const QByteArray &before, int failAt, int number,
                      const QString &told, const QByteArray &after = {}) {
            QTest::newRow(tag) << before << failAt << number << told
                               << (after.isNull() ? before : after);
        };
        row("adult", "Cat\r\n", 0, 0, added, "Cat\r\n" + kEntry);
        row("a missing file is made", {}, 0, 0, added, kEntry);
        row("a last line unended", "Cat", 0, 0, added, "Cat\r\n" + kEntry);
        row("a lone CR ends it", "Cat\r", 0, 0, added, "Cat\r" + kEntry);
        row("a lone LF does not", "Cat\n", 0, 0, added, "Cat\n\r\n" + kEntry);
        row("a byte-order mark alone", bom, 0, 0, added, bom + kEntry);
        row("not ready, Retry", kBefore, 4, ENOMEDIUM, "added" + notReady + "|OLCWUOLCWFRD",
            kBefore + kEntry);
        row("not ready, Cancel", kBefore, 1, ENOMEDIUM, notReady + "|O");
        row("disk full", kBefore, 5, ENOSPC, error + "No space left on device.|OLCWU");
        row("no lock to be had", kBefore, 2, ENOLCK, error + "No locks available.|OL");
        row("unloadable", "Bee\r\n*Owl", 0, 0, error + "the word file cannot|OL");
        row("level full", full, 0, 0,
            "Dictionary full: The dictionary already holds 1000 adult words|OL");
        row("past 8 MiB", QByteArray(TextFileReader::MaxFileSize - 8, 'x'), 0, 0,
            error + "the word file would grow larger than 8388608|OL");
        row("in place, cut back", kBefore, 4, EIO, error + "Input/output error.|OLWTF");
        row("in place, not flushed", kBefore, 19, EIO, error + "Input/output error.|OLWFTF");
        row("in place, not cut back", kBefore, 4, EIO,
            error + "Input/output error. The file could not be cut back|OLWT", kBefore + '*');
    }

    void addsAndFailures()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, failAt);
        QFETCH(int, error);
        QFETCH(QString, told);
        QFETCH(QByteArray, after);
        if (!before.isNull())
            writeBytes(file(), before);
        const bool inPlace = QByteArray(QTest::currentDataTag()).startsWith("in place");
        QVERIFY(!inPlace || ::link(path(), QFile::encodeName(file("second name"))) == 0);
        Faults faults;
        faults.failAt = failAt;
        faults.error = error;
        if (told.contains("cut back"))
            faults.broken = Call::Truncate;
        ScriptedServices services;
        services.answers = {told.startsWith("added") ? MessageBoxAnswer::Retry
                                                     : MessageBoxAnswer::Cancel};
        const QString said = add(&faults, std::move(services));
        QVERIFY2(said.startsWith(told.section('|', 0, 0)), qPrintable(said));
        QCOMPARE(faults.log, told.section('|', 1));
        QCOMPARE(readBytes(file()), after);
        QCOMPARE(QDir(m_dir->path()).entryList({".quillow*"}, QDir::Files | QDir::Hidden), {});
        QVERIFY(!said.startsWith("added") || // as the system has it
                (WordFileAppender(services, path()).append({"Caf\u00e9"}) &&
                 readBytes(file()).endsWith("Caf\xC3\xA9\r\n")));
    }

    // What the system refuses an ordinary user: a file they may not write, or a folder, where
    // the entry is written in place.
    void rights()
    {
        const QString denied = "Error: The word could not be added: Permission denied.";
        for (const bool folder : {false, true}) {
            writeBytes(file(), kBefore);
            QFile::setPermissions(file(), QFile::ReadOther |
                                              (folder ? QFile::WriteOther : QFile::ReadOther));
            QFile::setPermissions(m_dir->path(), QFile::ExeOther | QFile::ReadOther);
            const int said = inChild(
                [&] { return becomeOrdinaryUser() && add() == (folder ? "added" : denied); });
            QFile::setPermissions(m_dir->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(said, 1);
            QCOMPARE(readBytes(file()), folder ? kBefore + kEntry : kBefore);
        }
    }

    // Replaced as a whole, the word file keeps its permissions and the symbolic link that leads
    // to it. Lines that another program appends without the lock while the entry is flushed are
    // seen before it takes the file's place, and the add starts again from the file as it is
    // then. A file of another's that gets the name our temporary file had stays.
    void replacementKeepsWhatIsNotOurs()
    {
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath("words.txt");
        writeBytes(target, kBefore);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QVERIFY(QFile::link(target, file()));
        Faults faults;
        QString temporary;
        faults.before = [&](Call call) {
            if (call == Call::Flush && temporary.isEmpty()) // another program, without the lock
                QProcess::execute("sh", {"-c", "printf 'Dog\\r\\n' >> \"$0\"", target});
            if (call == Call::Flush)
                temporary = QDir(elsewhere.path())
                                .entryInfoList({".quillow-*"}, QDir::Hidden | QDir::Files)
                                .value(0)
                                .filePath();
            if (call == Call::FlushFolder)
                writeBytes(temporary, "another's");
        };
        QCOMPARE(add(&faults) + faults.log, "addedOLCWFUOLCWFRD");
        QVERIFY(QFileInfo(file()).isSymLink());
        QCOMPARE(readBytes(target), kBefore + "Dog\r\n" + kEntry);
        QCOMPARE(QFileInfo(target).permissions() & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(readBytes(temporary), QByteArray("another's"));
    }

    // Two copies of the game take turns; a second adds while the first shows a box; an editor
    // that keeps the lock is reported.
    void copiesTakeTurns()
    {
        // 800 child words, the last unended (only one writer may end it); 200 more fill the level.
        writeBytes(file(), QByteArray("Bee\r\n").repeated(799) + "Cat");
        auto many = [this](const char *stem) {
            ScriptedServices services;
            WordFileAppender appender(services, path());
            for (int i = 0; i < 100; ++i)
                if (!appender.append({stem + QString::number(i)}))
                    return 1;
            return 0;
        };
        auto other = std::async(std::launch::async, many, "a"); // flock holds between open files
        QCOMPARE(many("b") + other.get(), 0);
        QStringList lines = QString(readBytes(file())).split("\r\n");
        lines.removeDuplicates();
        QCOMPARE(lines.size(), 203); // Bee, Cat, 200 entries, and the end
        ScriptedServices first;
        first.onMessage = [&](const ScriptedServices::Message &) {
            QCOMPARE(add(), QString("added"));
        };
        writeBytes(file(), QByteArray("Bee\r\n").repeated(1000));
        QVERIFY(!WordFileAppender(first, path()).append({"Gnu"})); // "Dictionary full" waits
        QVERIFY(readBytes(file()).endsWith(kEntry));
        QFile editor(file());
        QVERIFY(editor.open(QIODevice::ReadOnly) && ::flock(editor.handle(), LOCK_EX) == 0);
        QCOMPARE(add(), QString("Error: The word could not be added: Another program is writing to "
                                "the word file."));
    }
};

QTEST_GUILESS_MAIN(TestWordFileAppender)
#include "tst_wordfileappender.moc"
