// Adding to the word file: a file that is whole at every instant whatever fails, stops the
// program, or writes to the file at the same time; and one that keeps who may touch it.

#include "ChildProcess.h"
#include "FileCalls.h"
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
#include <QThread>

#include <future>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

const QByteArray kBefore = "Bee\r\n*Owl\r\nA bird\r\n";
const QByteArray kEntry = "*Kiwi\r\nA fruit\r\n";
using Call = FileCalls::Call;

const QMap<Call, QString> kCallNames{
    {Call::Open, "open"},           {Call::Lock, "lock"},
    {Call::CreateTemporary, "new"}, {Call::ChangeOwner, "owner"},
    {Call::ChangeMode, "mode"},     {Call::CopyAttributes, "attributes"},
    {Call::Write, "write"},         {Call::Flush, "flush"},
    {Call::Rename, "rename"},       {Call::FlushFolder, "flush-folder"},
    {Call::Truncate, "truncate"},   {Call::Unlink, "unlink"}};

// The system calls of an add, counted and logged by name, each run of one kind once. The chosen
// call fails (the failAt-th of all, or the occurrence-th of the failing kind), or the program
// ends there as a kill would; every call of a broken kind fails. Writes are cut to one byte, so
// that there is a call to stop at all through the entry. `before` runs before every call.
struct Faults : FileCalls
{
    int failAt = 0, error = EIO, calls = 0, occurrence = 1;
    bool die = false;
    std::optional<Call> failing, broken;
    std::function<void(Call)> before = [](Call) {};
    QStringList log;

    int fault(Call call, std::size_t &size) override
    {
        size = call == Call::Write ? 1 : size;
        if (log.isEmpty() || log.last() != kCallNames[call])
            log << kCallNames[call];
        before(call);
        if (++calls == failAt && die)
            ::_exit(9);
        const bool chosen = calls == failAt || (call == failing && --occurrence == 0);
        return chosen || call == broken ? error : 0;
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

    // Adds the adult entry Kiwi; "added", or how it was refused or failed.
    QString add(Faults *faults = nullptr)
    {
        ScriptedServices services;
        const AddOutcome outcome =
            WordFileAppender(services, path(), faults).add("Kiwi", "A fruit", 1);
        switch (outcome.kind) {
        case AddOutcome::Kind::Added:
            return "added";
        case AddOutcome::Kind::Refused:
            return outcome.refusal.title + ": " + outcome.refusal.text;
        case AddOutcome::Kind::Failed:
            return QString("failed %1: %2")
                .arg(outcome.error->number())
                .arg(outcome.error->detail());
        }
        return {};
    }
    bool giveSecondName() { return ::link(path(), QFile::encodeName(file("second name"))) == 0; }
    QStringList temporaryFiles()
    {
        return QDir(m_dir->path()).entryList({".quillow*"}, QDir::Files | QDir::Hidden);
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
        QTest::addColumn<QString>("calls");
        const QString replaced = "open lock new mode attributes write flush rename flush-folder";
        QTest::newRow("a call fails") << false << false << replaced;
        QTest::newRow("killed") << true << false << replaced;
        QTest::newRow("in place, a call fails") << false << true << "open lock write flush";
    }

    void wholeWhateverStopsTheAdd()
    {
        QFETCH(bool, die);
        QFETCH(bool, inPlace);
        QFETCH(QString, calls);
        auto start = [&] {
            init();
            writeBytes(file(), kBefore);
            return !inPlace || giveSecondName();
        };
        Faults counter; // the calls of a whole add
        QVERIFY(start());
        QCOMPARE(add(&counter), "added");
        QCOMPARE(counter.log.join(' '), calls);
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
            QVERIFY(die || temporaryFiles().isEmpty());
        }
    }

    // The entry in the file's format, how an add is refused or fails, the calls it made and the
    // file after.
    void addsAndFailures_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<bool>("secondName");   // a hard link: written in place
        QTest::addColumn<std::optional<Call>>("failing");
        QTest::addColumn<int>("occurrence"); // of the failing call
        QTest::addColumn<int>("error");
        QTest::addColumn<std::optional<Call>>("broken"); // and every call of this kind fails
        QTest::addColumn<QString>("outcome");            // its start
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QByteArray>("after"); // null: as before
        const QString replaced = "open lock new mode attributes write flush rename flush-folder";
        const QString inPlace = "open lock write flush";
        const QByteArray bom = "\xEF\xBB\xBF", full = QByteArray("*a\r\nd\r\n").repeated(1000);
        const std::optional<Call> none;
        auto row = [&](const char *tag, const QByteArray &before, bool secondName,
                       std::optional<Call> failing, int error, const QString &outcome,
                       const QString &calls, const QByteArray &after = {}) {
            QTest::newRow(tag) << before << secondName << failing << 1 << error << none << outcome
                               << calls << after;
        };
        row("an entry follows the file's last line", "Cat\r\n", false, none, 0, "added", replaced,
            "Cat\r\n" + kEntry);
        row("a missing file is made", {}, false, none, 0, "added", replaced, kEntry);
        row("a last line without its end is ended first", "Cat", false, none, 0, "added", replaced,
            "Cat\r\n" + kEntry);
        row("a lone CR ends a line", "Cat\r", false, none, 0, "added", replaced, "Cat\r" + kEntry);
        row("a lone LF does not", "Cat\n", false, none, 0, "added", replaced, "Cat\n\r\n" + kEntry);
        row("a byte-order mark alone holds no line", bom, false, none, 0, "added", replaced,
            bom + kEntry);
        row("a drive not ready fails with 71, for the player to retry", kBefore, false, Call::Open,
            ENOMEDIUM, "failed 71", "open");
        row("nor is the new file made on it", kBefore, false, Call::CreateTemporary, ENOMEDIUM,
            "failed 71", "open lock new");
        row("a name too long for the new file: written in place", kBefore, false,
            Call::CreateTemporary, ENAMETOOLONG, "added", "open lock new write flush",
            kBefore + kEntry);
        row("no room for a second copy: written in place", kBefore, false, Call::Write, ENOSPC,
            "added", "open lock new mode attributes write unlink write flush", kBefore + kEntry);
        row("a file mounted on its own cannot be renamed over: written in place", kBefore, false,
            Call::Rename, EBUSY, "added", replaced.section(' ', 0, 7) + " unlink write flush",
            kBefore + kEntry);
        row("nor one on another device", kBefore, false, Call::Rename, EXDEV, "added",
            replaced.section(' ', 0, 7) + " unlink write flush", kBefore + kEntry);
        row("an access list that cannot be kept: written in place", kBefore, false,
            Call::CopyAttributes, ENOTSUP, "added",
            "open lock new mode attributes unlink write flush", kBefore + kEntry);
        row("an I/O error ends the add", kBefore, false, Call::Write, EIO,
            "failed 57: Input/output error", "open lock new mode attributes write unlink");
        row("no lock to be had", kBefore, false, Call::Lock, ENOLCK,
            "failed 57: No locks available", "open lock");
        row("a file that does not load is refused", "Bee\r\n*Owl", false, none, 0,
            "Error: The word could not be added: the word file cannot", "open lock");
        row("a full level is refused", full, false, none, 0,
            "Dictionary full: The dictionary already holds 1000 adult words", "open lock");
        row("a file that would pass 8 MiB is refused",
            QByteArray(TextFileReader::MaxFileSize - 8, 'x'), false, none, 0,
            "Error: The word could not be added: the word file would grow larger than 8388608",
            "open lock");
        row("in place, a failed write is cut back", kBefore, true, Call::Write, EIO,
            "failed 57: Input/output error", inPlace.section(' ', 0, 2) + " truncate flush");
        row("in place, a failed flush is cut back", kBefore, true, Call::Flush, EIO,
            "failed 57: Input/output error", inPlace + " truncate flush");
        QTest::newRow("in place, neither flushed nor cut back: the entry may not be on the disk")
            << kBefore << true << std::optional(Call::Flush) << 1 << EIO
            << std::optional(Call::Truncate)
            << "failed 57: Input/output error. The file could not be cut back: it holds the new "
               "entry, which may not be on the disk"
            << inPlace + " truncate" << kBefore + kEntry;
        QTest::newRow("in place, a write neither done nor cut back: part may be left")
            << kBefore << true << std::optional(Call::Write) << 2 << EIO
            << std::optional(Call::Truncate)
            << "failed 57: Input/output error. The file could not be cut back: part of the new "
               "text may be left"
            << inPlace.section(' ', 0, 2) + " truncate" << kBefore + '*';
    }

    void addsAndFailures()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, secondName);
        QFETCH(std::optional<Call>, failing);
        QFETCH(int, occurrence);
        QFETCH(int, error);
        QFETCH(std::optional<Call>, broken);
        QFETCH(QString, outcome);
        QFETCH(QString, calls);
        QFETCH(QByteArray, after);
        if (!before.isNull())
            writeBytes(file(), before);
        QVERIFY(!secondName || giveSecondName());
        Faults faults;
        faults.failing = failing;
        faults.occurrence = occurrence;
        faults.error = error;
        faults.broken = broken;
        const QString said = add(&faults);
        QVERIFY2(said.startsWith(outcome), qPrintable(said));
        QCOMPARE(faults.log.join(' '), calls);
        QCOMPARE(readBytes(file()), after.isNull() ? before : after);
        QCOMPARE(temporaryFiles(), {});
    }

    // A file that others may write to through an access list, and that carries attributes of
    // its own, keeps them: no one loses access, and the group gains none.
    void keepsWhoMayTouchTheFile()
    {
        writeBytes(file(), kBefore);
        QCOMPARE(QProcess::execute("setfacl", {"-m", "u:nobody:rw-,g::r--", file()}), 0);
        QCOMPARE(::setxattr(path(), "user.note", "mine", 4, 0), 0);
        auto access = [this] {
            QProcess getfacl;
            getfacl.start("getfacl", {"--omit-header", file()});
            getfacl.waitForFinished();
            struct stat info
            {};
            ::stat(path(), &info);
            return getfacl.readAllStandardOutput() + QByteArray::number(info.st_mode, 8);
        };
        const QByteArray before = access();
        QVERIFY(before.contains("user:nobody:rw-"));
        QCOMPARE(add(), "added");
        QCOMPARE(readBytes(file()), kBefore + kEntry);
        QCOMPARE(access(), before);
        char note[8] = {};
        QCOMPARE(::getxattr(path(), "user.note", note, sizeof note), 4);
        QCOMPARE(QByteArray(note), "mine");
    }

    // A word file that is a symbolic link whose file has gone is named as such, not made anew.
    void aLinkToNothingIsTold()
    {
        QVERIFY(QFile::link(file("gone.txt"), file()));
        QCOMPARE(add(), QString("failed 75: The word file is a symbolic link to %1, which does not "
                                "exist")
                            .arg(file("gone.txt")));
        QVERIFY(!QFileInfo::exists(file("gone.txt")));
    }

    // What the system refuses an ordinary user: a file they may not write, or a folder, where
    // the entry is written in place.
    void rights()
    {
        const QString denied = "failed 70: Permission denied";
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
        QCOMPARE(add(&faults), "added");
        QCOMPARE(faults.log.join(' '), "open lock new mode attributes write flush unlink open lock "
                                       "new mode attributes write flush rename flush-folder");
        QVERIFY(QFileInfo(file()).isSymLink());
        QCOMPARE(readBytes(target), kBefore + "Dog\r\n" + kEntry);
        QCOMPARE(QFileInfo(target).permissions() & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(readBytes(temporary), QByteArray("another's"));
    }

    // Two copies of the game take turns; an editor that keeps the lock is reported.
    void copiesTakeTurns()
    {
        // 800 child words, the last unended (only one writer may end it); 200 more fill the level.
        writeBytes(file(), QByteArray("Bee\r\n").repeated(799) + "Cat");
        auto many = [this](const char *stem) {
            ScriptedServices services;
            services.onPause = [] { QThread::msleep(10); }; // the lock is waited for in time
            WordFileAppender appender(services, path());
            for (int i = 0; i < 100; ++i)
                if (appender.add(stem + QString::number(i), {}, 0).kind != AddOutcome::Kind::Added)
                    return 1;
            return 0;
        };
        auto other = std::async(std::launch::async, many, "a"); // flock holds between open files
        QCOMPARE(many("b") + other.get(), 0);
        QStringList lines = QString(readBytes(file())).split("\r\n");
        lines.removeDuplicates();
        QCOMPARE(lines.size(), 203); // Bee, Cat, 200 entries, and the end
        QFile editor(file());
        QVERIFY(editor.open(QIODevice::ReadOnly) && ::flock(editor.handle(), LOCK_EX) == 0);
        QCOMPARE(add(), QString("failed 70: Another program is writing to the word file"));
    }
};

QTEST_GUILESS_MAIN(TestWordFileAppender)
#include "tst_wordfileappender.moc"
