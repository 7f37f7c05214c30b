// Adding to the word file: the format of an entry, and a file that is whole at every instant
// whatever fails, stops the program or writes to the file at the same time.

#include "ChildProcess.h"
#include "FileCalls.h"
#include "RunTimeError.h"
#include "ScriptedServices.h"
#include "TestFiles.h"
#include "TextFileReader.h"
#include "WordFileAppender.h"
#include "WordFileLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kBefore = "Bee\r\n*Owl\r\nA bird\r\n";
const QStringList kEntry = {"*Kiwi", "A fruit"};
const QByteArray kEntryBytes = "*Kiwi\r\nA fruit\r\n";
constexpr int kDied = 9;

// The system calls of an add, counted. One chosen call fails with an error, or ends the program
// there as a kill would, and every call of a broken kind fails; every write is cut to a few
// bytes, so that there is a call to stop at all through the entry. The first call of one kind
// can also run a function before it is made.
class Faults : public FileCalls
{
public:
    int failAt = 0; // 1 for the first call; 0 for none
    int error = EIO;
    bool die = false;
    std::optional<Call> broken;
    Call on = Call::Open;
    std::function<void()> then;
    int calls = 0;

protected:
    int fault(Call call, std::size_t &size) override
    {
        if (call == Call::Write)
            size = std::min<std::size_t>(size, 5);
        if (then && call == on)
            std::exchange(then, {})();
        if (++calls == failAt && die)
            ::_exit(kDied);
        return calls == failAt || call == broken ? error : 0;
    }
};

bool loads(const QByteArray &path)
{
    TextFileReader reader(path);
    struct : WordFileLoader::Sink
    {
        void entryLoaded(const WordFileEntry &) override {}
    } sink;
    try {
        WordFileLoader(reader, [](const RunTimeError &e) { throw e; }).load(sink);
        return true;
    } catch (const RunTimeError &) {
        return false;
    }
}

} // namespace

class TestWordFileAppender : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString file(const QString &name = "Dictionary.txt") const { return m_dir->filePath(name); }
    QByteArray path() const { return QFile::encodeName(file()); }
    QStringList folder() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden); }

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void appendsEntriesInTheFileFormat_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("adult") << QByteArray("Cat\r\n") << QStringList{"*Owl", "A night bird"}
                               << QByteArray("Cat\r\n*Owl\r\nA night bird\r\n");
        QTest::newRow("child") << QByteArray("Cat\r\n") << QStringList{"Dog"}
                               << QByteArray("Cat\r\nDog\r\n");
        QTest::newRow("missing file is created")
            << QByteArray() << QStringList{"  "} << QByteArray("  \r\n");
        QTest::newRow("last line without terminator")
            << QByteArray("Cat") << QStringList{"Dog"} << QByteArray("Cat\r\nDog\r\n");
        QTest::newRow("last line ends in a lone CR")
            << QByteArray("Cat\r") << QStringList{"Dog"} << QByteArray("Cat\rDog\r\n");
        QTest::newRow("a lone LF ends no line")
            << QByteArray("Cat\n") << QStringList{"Dog"} << QByteArray("Cat\n\r\nDog\r\n");
        QTest::newRow("a byte-order mark alone holds no line")
            << QByteArray("\xEF\xBB\xBF") << QStringList{"Dog"}
            << QByteArray("\xEF\xBB\xBF"
                          "Dog\r\n");
        QTest::newRow("UTF-8") << QByteArray("") << QStringList{QString::fromUtf8("Café")}
                               << QByteArray("Caf\xC3\xA9\r\n");
    }

    void appendsEntriesInTheFileFormat()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, after);
        if (!before.isNull())
            writeBytes(file(), before);
        ScriptedServices services;
        QVERIFY(WordFileAppender(services, path()).append(lines));
        QCOMPARE(readBytes(file()), after);
        QCOMPARE(services.messages.size(), 0);
        QCOMPARE(folder(), QStringList{"Dictionary.txt"});
    }

    // At every system call of an add, one failure or a kill: the file is as it was or holds the
    // whole entry, and it loads. A failure is told, and leaves no temporary file behind.
    void fileIsWholeWhateverStopsTheAdd_data()
    {
        QTest::addColumn<bool>("die");
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("a call fails") << false << false;
        QTest::newRow("the program is killed") << true << false;
        QTest::newRow("a call fails, written in place") << false << true;
    }

    void fileIsWholeWhateverStopsTheAdd()
    {
        QFETCH(bool, die);
        QFETCH(bool, inPlace);
        auto prepare = [&] {
            init();
            writeBytes(file(), kBefore);
            if (inPlace) // a file with a second name is never replaced
                QCOMPARE(::link(path(), QFile::encodeName(file("second name"))), 0);
        };
        prepare();
        Faults counter;
        ScriptedServices quiet;
        QVERIFY(WordFileAppender(quiet, path(), &counter).append(kEntry));
        QVERIFY(counter.calls > 5);
        for (int at = 1; at <= counter.calls; ++at) {
            prepare();
            Faults faults;
            faults.failAt = at;
            faults.die = die;
            ScriptedServices services;
            const ChildResult child = inChild([&](QByteArray &said) {
                const bool added = WordFileAppender(services, path(), &faults).append(kEntry);
                said = QByteArray::number(faults.calls) + ' ' +
                       QByteArray::number(services.messages.size());
                return added ? 1 : 0;
            });
            const QList<QByteArray> said = child.said.split(' ');
            const QByteArray after = readBytes(file());
            const QByteArray where = "stopped at call " + QByteArray::number(at);
            QVERIFY2(after == kBefore || after == kBefore + kEntryBytes, where + ": " + after);
            QVERIFY2(loads(path()), where);
            if (die)
                continue;
            QVERIFY2(child.status == (after == kBefore ? 0 : 1), where);
            QCOMPARE(said.value(1).toInt(), child.status == 0 ? 1 : 0);
            QVERIFY2(folder().filter(".quillow").isEmpty(), where);
        }
    }

    // Written in place, a write that fails and a file that cannot be cut back: the player is told
    // that part of the entry may be left.
    void inPlaceWriteThatCannotBeUndoneIsTold()
    {
        writeBytes(file(), kBefore);
        QCOMPARE(::link(path(), QFile::encodeName(file("second name"))), 0);
        Faults faults;
        faults.failAt = 4; // open, lock, the first part of the entry, then the second part
        faults.broken = FileCalls::Call::Truncate;
        ScriptedServices services;
        QVERIFY(!WordFileAppender(services, path(), &faults).append(kEntry));
        QCOMPARE(readBytes(file()), kBefore + kEntryBytes.left(5));
        QCOMPARE(services.messages.first().text,
                 QString("The word could not be added: Input/output error. The file could not be "
                         "cut back: part of the new text may be left at its end."));
    }

    void failuresAreToldAndTheFileKept_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("failAt"); // the call that fails, 0 for none
        QTest::addColumn<int>("error");
        QTest::addColumn<QList<MessageBoxAnswer>>("answers");
        QTest::addColumn<bool>("added");
        QTest::addColumn<QStringList>("said");
        const QString notReady = "Diskette not ready.  Retry?";
        using A = QList<MessageBoxAnswer>;
        QTest::newRow("disk not ready, Retry")
            << kBefore << 3 << ENOMEDIUM << A{MessageBoxAnswer::Retry} << true
            << QStringList{notReady};
        QTest::newRow("disk not ready, Cancel")
            << kBefore << 1 << ENOMEDIUM << A{MessageBoxAnswer::Cancel} << false
            << QStringList{notReady};
        QTest::newRow("disk full")
            << kBefore << 4 << ENOSPC << A{} << false
            << QStringList{"The word could not be added: No space left on device."};
        QTest::newRow("file not loadable")
            << QByteArray("Bee\r\n*Owl") << 0 << 0 << A{} << false
            << QStringList{"The word could not be added: the word file cannot be read as it is now "
                           "(line 2). The last word is marked \"*\" as an adult word, but the file "
                           "ends before its definition line."};
    }

    void failuresAreToldAndTheFileKept()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, failAt);
        QFETCH(int, error);
        QFETCH(QList<MessageBoxAnswer>, answers);
        QFETCH(bool, added);
        QFETCH(QStringList, said);
        writeBytes(file(), before);
        Faults faults;
        faults.failAt = failAt;
        faults.error = error;
        ScriptedServices services;
        services.answers.assign(answers.begin(), answers.end());
        QCOMPARE(WordFileAppender(services, path(), &faults).append(kEntry), added);
        QCOMPARE(readBytes(file()), added ? before + kEntryBytes : before);
        QStringList texts;
        for (const auto &message : services.messages)
            texts << message.text;
        QCOMPARE(texts, said);
    }

    void missingFolderShowsTheNotFoundMessage()
    {
        ScriptedServices services;
        QVERIFY(!WordFileAppender(services, path() + "/gone/Dictionary.txt").append({"x"}));
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages.first().text,
                 QString("The path is not correct, or \r\nthe data file was not found in the "
                         "project's folder."));
    }

    // Limits and rights that the system enforces, met by an ordinary user.
    void limitsAndRights_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("added");
        QTest::addColumn<QByteArray>("said");
        QTest::newRow("file size limit")
            << "limit" << false << QByteArray("The word could not be added: File too large.");
        QTest::newRow("read-only file")
            << "read-only file" << false
            << QByteArray("The word could not be added: Permission denied.");
        QTest::newRow("read-only folder, writable file")
            << "read-only folder" << true << QByteArray();
    }

    void limitsAndRights()
    {
        QFETCH(QString, kind);
        QFETCH(bool, added);
        QFETCH(QByteArray, said);
        writeBytes(file(), kBefore);
        const auto entering = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        const auto reading = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QFile::setPermissions(file(), reading | QFile::WriteOwner | QFile::WriteOther);
        if (kind == "read-only file")
            QFile::setPermissions(file(), reading);
        QFile::setPermissions(m_dir->path(),
                              entering | reading |
                                  (kind == "limit" ? QFile::WriteOther : QFile::WriteOwner));
        const ChildResult child = inChild([&](QByteArray &told) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t limit = kBefore.size() + 4;
            const rlimit fileSize{limit, limit};
            if ((kind == "limit" && ::setrlimit(RLIMIT_FSIZE, &fileSize) != 0) ||
                !becomeOrdinaryUser())
                return 10;
            ScriptedServices services;
            const bool done = WordFileAppender(services, path()).append(kEntry);
            for (const auto &message : services.messages)
                told += message.text.toUtf8();
            return done ? 1 : 0;
        });
        QFile::setPermissions(m_dir->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(child.said, said);
        QCOMPARE(child.status, added ? 1 : 0);
        QCOMPARE(readBytes(file()), added ? kBefore + kEntryBytes : kBefore);
    }

    // The word file replaced as a whole keeps what its player set up: its permissions, and a
    // symbolic link that leads to it elsewhere.
    void replacementKeepsLinksAndPermissions()
    {
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath("words.txt");
        writeBytes(target, kBefore);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QVERIFY(QFile::link(target, file()));
        ScriptedServices services;
        QVERIFY(WordFileAppender(services, path()).append(kEntry));
        QVERIFY(QFileInfo(file()).isSymLink());
        QCOMPARE(readBytes(target), kBefore + kEntryBytes);
        struct stat info
        {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, 0640u);
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"words.txt"});
    }

    // Another program that appends without asking for the lock, while the game adds: it is seen
    // before the entry takes the file's place, and the add starts again from the file as it is.
    void anotherProgramsLinesSurvive_data()
    {
        QTest::addColumn<FileCalls::Call>("during");
        QTest::newRow("while the entry is written") << FileCalls::Call::Write;
        QTest::newRow("while it is flushed") << FileCalls::Call::Flush;
    }

    void anotherProgramsLinesSurvive()
    {
        QFETCH(FileCalls::Call, during);
        writeBytes(file(), kBefore);
        Faults faults;
        faults.on = during;
        faults.then = [this] {
            QCOMPARE(
                QProcess::execute("sh", {"-c", "printf 'Dog\\r\\nCat\\r\\n' >> \"$0\"", file()}),
                0);
        };
        ScriptedServices services;
        QVERIFY(WordFileAppender(services, path(), &faults).append(kEntry));
        QCOMPARE(readBytes(file()), kBefore + "Dog\r\nCat\r\n" + kEntryBytes);
    }

    // A second copy of the game adds while the first shows a message box: the lock is free.
    void secondCopyAddsWhileABoxIsOpen_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("dictionary full") << "Dictionary full";
        QTest::newRow("disk not ready") << "Diskette Error";
    }

    void secondCopyAddsWhileABoxIsOpen()
    {
        QFETCH(QString, box);
        QByteArray full;
        for (int i = 0; i < 1000; ++i)
            full += "Bee" + QByteArray::number(i) + "\r\n";
        writeBytes(file(), box == "Dictionary full" ? full : kBefore);
        Faults faults;
        faults.failAt = box == "Dictionary full" ? 0 : 1;
        faults.error = ENOMEDIUM;
        ScriptedServices first;
        first.answers = {MessageBoxAnswer::Retry};
        ScriptedServices second;
        bool secondAdded = false;
        first.onMessage = [&](const ScriptedServices::Message &message) {
            QCOMPARE(message.title, box);
            secondAdded = WordFileAppender(second, path()).append(kEntry);
        };
        WordFileAppender(first, path(), &faults).append({"Gnu"});
        QVERIFY(secondAdded);
        QCOMPARE(second.messages.size(), 0);
        QVERIFY(readBytes(file()).contains(kEntryBytes));
    }
};

QTEST_GUILESS_MAIN(TestWordFileAppender)
#include "tst_wordfileappender.moc"
