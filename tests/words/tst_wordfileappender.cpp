// Adding to the word file: a file that is whole at every instant whatever fails, stops the
// program, or writes to the file at the same time; and one that keeps who may touch it.

#include "ChildProcess.h"
#include "FileCalls.h"
#include "TestFiles.h"
#include "WordFileAppender.h"
#include "WordFileChecker.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <future>
#include <optional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

const QByteArray kBefore = "Bee\r\n*Owl\r\nA bird\r\n";
const QByteArray kEntry = "*Kiwi\r\nA fruit\r\n";
using Call = FileCalls::Call;

// The calls by name, in the order of FileCalls::Call.
const QStringList kCallNames{"open",         "lock",     "new",   "owner", "mode",
                             "attributes",   "reserve",  "write", "flush", "rename",
                             "flush-folder", "truncate", "unlink"};

// An add's system calls, counted and logged by name: the chosen one (the failAt-th, or the
// occurrence-th of the failing kind) fails or ends the program as a kill would; a broken kind
// fails with EIO. Writes to a new file are cut to one byte, to stop anywhere in the entry; in
// place, where the entry is one write, only when cutInPlace. `before` runs before every call.
struct Faults : FileCalls
{
    int failAt = 0, error = EIO, calls = 0, occurrence = 1, busy = 0; // locks another holds
    bool die = false, cutInPlace = false, inPlace = false;
    std::optional<Call> failing, broken;
    std::function<void(Call)> before = [](Call) {};
    QStringList log;

    int fault(Call call, std::size_t &size) override
    {
        inPlace = inPlace || call == Call::Reserve;
        size = call == Call::Write && (!inPlace || cutInPlace) ? 1 : size;
        if (log.isEmpty() || log.last() != kCallNames[int(call)])
            log << kCallNames[int(call)];
        before(call);
        if (call == Call::Lock && busy > 0 && busy--)
            return EWOULDBLOCK;
        if (++calls == failAt && die)
            ::_exit(9);
        const bool chosen = calls == failAt || (call == failing && --occurrence == 0);
        return chosen ? error : call == broken ? EIO : 0;
    }
};

// How an add ends when a call fails, and where the entry went.
struct AddCase
{
    QByteArray before; // null: no file
    Call failing;
    int error;       // 0: none fails
    QString outcome; // its start
    QString written;
    bool secondName = false;     // a hard link: written in place
    int occurrence = 1;          // of the failing call
    bool brokenTruncate = false; // and every cut back fails
    rlim_t sizeLimit = RLIM_INFINITY;
    bool cutInPlace = false; // a write in place stops after one byte
};

ino_t inode(const QString &path)
{
    struct stat info
    {};
    return ::stat(QFile::encodeName(path), &info) == 0 ? info.st_ino : 0;
}

} // namespace

class TestWordFileAppender : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString file(const QString &name = "Dictionary.txt") { return m_dir->filePath(name); }
    QByteArray path() { return QFile::encodeName(file()); }

    // Adds the adult entry Kiwi, again at once while the file is busy: "added", or what failed.
    QString add(Faults *faults = nullptr)
    {
        WordFileAppender appender(path(), faults);
        AddOutcome outcome;
        do
            outcome = appender.add("Kiwi", "A fruit", 1);
        while (outcome.kind == AddOutcome::Kind::Busy);
        if (outcome.kind == AddOutcome::Kind::Refused)
            return outcome.refusal.title + ": " + outcome.refusal.text;
        if (outcome.kind == AddOutcome::Kind::Failed)
            return QString("failed %1: %2")
                .arg(outcome.error->number())
                .arg(outcome.error->detail());
        return "added";
    }
    bool giveSecondName() { return ::link(path(), QFile::encodeName(file("second name"))) == 0; }
    QStringList temporaryFiles()
    {
        return QDir(m_dir->path()).entryList({".quillow*"}, QDir::Files | QDir::Hidden);
    }

private Q_SLOTS:
    // A write past a file-size limit fails with EFBIG, as in the game, instead of ending it.
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // A failure or a kill at any call: the file as it was or with the whole entry, loading; a
    // failure told, no temporary left. A second name: in place. The calls in a durable order.
    void wholeWhateverStopsTheAdd_data()
    {
        QTest::addColumn<bool>("die");
        QTest::addColumn<bool>("inPlace");
        QTest::addColumn<QString>("calls");
        const QString replaced = "open lock new mode attributes write flush rename flush-folder";
        QTest::newRow("any one call fails") << false << false << replaced;
        QTest::newRow("the program is killed at any call") << true << false << replaced;
        QTest::newRow("written in place, any one call fails")
            << false << true << "open lock reserve write flush";
        QTest::newRow("written in place, the program is killed at any call")
            << true << true << "open lock reserve write flush";
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
        Faults counter;
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

    void addsAndFailures_data()
    {
        QTest::addColumn<AddCase>("c");
        auto row = [](const char *tag, const AddCase &c) { QTest::newRow(tag) << c; };
        row("a missing file is made", {{}, Call::Unlink, 0, "added", "replaced"});
        row("and goes again when the add fails", {{}, Call::Write, EIO, "failed 57", "no file"});
        row("an empty file stays", {"", Call::Write, EIO, "failed 57", "nothing"});
        row("a drive not ready fails with 71, for the player to retry",
            {kBefore, Call::Open, ENOMEDIUM, "failed 71", "nothing"});
        row("a file the player may not write fails",
            {kBefore, Call::Open, EACCES, "failed 70: Permission denied", "nothing"});
        row("a folder they may not write to is written in place",
            {kBefore, Call::CreateTemporary, EACCES, "added", "in place"});
        row("no room for a second copy", {kBefore, Call::Write, ENOSPC, "added", "in place"});
        row("a write a signal interrupts is made again",
            {kBefore, Call::Write, EINTR, "added", "replaced"});
        row("a file mounted on its own, which a rename cannot replace",
            {kBefore, Call::Rename, EBUSY, "added", "in place"});
        row("unreadable attributes", {kBefore, Call::CopyAttributes, EPERM, "added", "in place"});
        row("no attributes at all", {kBefore, Call::CopyAttributes, ENOTSUP, "added", "replaced"});
        row("an I/O error ends the add",
            {kBefore, Call::Write, EIO, "failed 57: Input/output error", "nothing"});
        row("no lock to be had",
            {kBefore, Call::Lock, ENOLCK, "failed 57: No locks available", "nothing"});
        row("a file that does not load is refused",
            {"Bee\r\n*Owl", Call::Unlink, 0,
             "Error: The word could not be added: the word file cannot", "nothing"});
        row("in place, a failed flush is cut back",
            {kBefore, Call::Flush, EIO, "failed 57: Input/output error", "nothing", true});
        row("in place, neither flushed nor cut back: the entry may not be on the disk",
            {kBefore, Call::Flush, EIO,
             "failed 57: Input/output error. The file could not be cut back: it holds the new "
             "entry, which may not be on the disk",
             "in place", true, 1, true});
        row("in place, a write cut short and not cut back: part may be left",
            {kBefore, Call::Unlink, 0,
             "failed 61: No space left on device. The file could not be cut back: part of the new "
             "text may be left",
             "in part", true, 1, true, RLIM_INFINITY, true});
        row("in place, on a file system that sets no room aside, the room left does",
            {kBefore, Call::Reserve, EOPNOTSUPP, "added", "in place", true});
        row("in place, no room for the entry: nothing is written",
            {kBefore, Call::Reserve, ENOSPC, "failed 61: No space left on device", "nothing",
             true});
        row("in place, a write cut short is cut back at once",
            {kBefore, Call::Unlink, 0, "failed 61: No space left on device", "nothing", true, 1,
             false, RLIM_INFINITY, true});
        // Neither a new file nor one written in place may pass the limit.
        row("a file-size limit ends the add, even where nothing could be cut back",
            {kBefore, Call::Unlink, 0, "failed 61: File too large", "nothing", false, 1, true, 22});
        row("as it does in place",
            {kBefore, Call::Unlink, 0, "failed 61: File too large", "nothing", true, 1, true, 22});
    }

    void addsAndFailures()
    {
        QFETCH(AddCase, c);
        const QByteArray &before = c.before;
        if (!before.isNull())
            writeBytes(file(), before);
        QVERIFY(!c.secondName || giveSecondName());
        const ino_t was = inode(file());
        Faults faults;
        faults.failing = c.error ? std::optional(c.failing) : std::nullopt;
        faults.occurrence = c.occurrence;
        faults.error = c.error;
        if (c.brokenTruncate)
            faults.broken = Call::Truncate;
        faults.cutInPlace = c.cutInPlace;
        struct rlimit limit
        {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t usual = limit.rlim_cur;
        limit.rlim_cur = c.sizeLimit;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        const QString said = add(&faults);
        limit.rlim_cur = usual;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY2(said.startsWith(c.outcome), qPrintable(said));
        const QByteArray after = readBytes(file());
        const QString where = !QFileInfo::exists(file()) ? "no file"
                              : after == before          ? "nothing"
                              : after == before + kEntry
                                  ? (inode(file()) == was ? "in place" : "replaced")
                              : after.startsWith(before) ? "in part"
                                                         : "damaged";
        QCOMPARE(where, c.written);
        QCOMPARE(temporaryFiles(), {});
    }

    // A file of another owner, with an access list and attributes, keeps them all; when the new
    // file cannot be given its owner, the entry is written in place.
    void keepsWhoMayTouchTheFile()
    {
        for (const bool ownerKept : {true, false}) {
            init();
            writeBytes(file(), kBefore);
            QVERIFY(::geteuid() != 0 || ::chown(path(), 65534, 65534) == 0);
            QCOMPARE(QProcess::execute("setfacl", {"-m", "u:nobody:rw-,g::r--", file()}), 0);
            QCOMPARE(::setxattr(path(), "user.note", "mine", 4, 0), 0);
            QCOMPARE(::setxattr(path(), "user.empty", "", 0, 0), 0);
            auto access = [this] { // owner, group, access list and mode
                QProcess getfacl;
                getfacl.start("getfacl", {file()});
                getfacl.waitForFinished();
                struct stat info
                {};
                ::stat(path(), &info);
                return getfacl.readAllStandardOutput() + QByteArray::number(info.st_mode, 8);
            };
            const QByteArray before = access();
            QVERIFY(before.contains("user:nobody:rw-"));
            const ino_t was = inode(file());
            Faults faults;
            faults.failing = ownerKept ? std::nullopt : std::optional(Call::ChangeOwner);
            faults.error = EPERM;
            QCOMPARE(add(&faults), "added");
            QCOMPARE(readBytes(file()), kBefore + kEntry);
            QCOMPARE(inode(file()) == was, !ownerKept && ::geteuid() == 0); // else replaced
            QCOMPARE(access(), before);
            char note[8] = {};
            QCOMPARE(::getxattr(path(), "user.note", note, sizeof note), 4);
            QCOMPARE(QByteArray(note), "mine");
            QCOMPARE(::getxattr(path(), "user.empty", note, sizeof note), 0);
        }
    }

    // Another program writing at every try, without the lock: the add gives up after ten.
    void anAddGivesUpOnAFileThatKeepsChanging()
    {
        writeBytes(file(), kBefore);
        Faults faults;
        faults.before = [&](Call call) {
            QFile other(file());
            if (call == Call::Flush && other.open(QIODevice::Append))
                other.write("Dog\r\n");
        };
        QCOMPARE(add(&faults), "failed 70: Another program keeps changing the word file");
        QCOMPARE(readBytes(file()), kBefore + QByteArray("Dog\r\n").repeated(10));
        QVERIFY(temporaryFiles().isEmpty());
    }

    // A replaced file keeps its permissions and the link to it; lines another program appends
    // meanwhile are kept (the add starts again), and another's file in our temporary's name stays.
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
        QVERIFY(QFileInfo(file()).isSymLink());
        QCOMPARE(readBytes(target), kBefore + "Dog\r\n" + kEntry);
        QCOMPARE(QFileInfo(target).permissions() & 0x7077,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(readBytes(temporary), QByteArray("another's"));
    }

    // Two copies of the game take turns; another program that keeps the lock is waited for up
    // to 500 tries (5 s at the game's 10 ms), then reported.
    void copiesTakeTurns()
    {
        // 800 child words, the last unended (only one writer may end it); 200 more fill the level.
        writeBytes(file(), QByteArray("Bee\r\n").repeated(799) + "Cat");
        const uint descriptors = QDir("/proc/self/fd").count(); // none is left open
        auto many = [this](const char *stem) {
            for (int i = 0; i < 100; ++i) {
                WordFileAppender appender(path());
                AddOutcome outcome;
                while ((outcome = appender.add(stem + QString::number(i), {}, 0)).kind ==
                       AddOutcome::Kind::Busy)
                    QThread::msleep(WordFileAppender::LockPollMs); // as the game waits
                if (outcome.kind != AddOutcome::Kind::Added)
                    return 1;
            }
            return 0;
        };
        auto other = std::async(std::launch::async, many, "a"); // flock holds between open files
        QCOMPARE(many("b") + other.get(), 0);
        QStringList lines = QString(readBytes(file())).split("\r\n");
        lines.removeDuplicates();
        QCOMPARE(lines.size(), 203); // Bee, Cat, 200 entries, and the end
        QCOMPARE(QDir("/proc/self/fd").count(), descriptors);
        for (const int busy : {500, 501}) {
            Faults faults;
            faults.busy = busy;
            QCOMPARE(add(&faults), busy == 500 ? "added"
                                               : "failed 70: Another program is writing "
                                                 "to the word file");
        }
    }
};

QTEST_GUILESS_MAIN(TestWordFileAppender)
#include "tst_wordfileappender.moc"
