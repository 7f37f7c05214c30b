#include "CDicitionaryInterface.h"
#include "CSecretWord.h"
#include "ChildProcess.h"
#include "ScriptedServices.h"
#include "TestFiles.h"
#include "TextFileReader.h"
#include "WordFileAppender.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kNotReady = "Diskette not ready.  Retry?";

// System calls that fail with errno on the chosen call of one of them, times over.
struct FailingCalls
{
    QString which;
    int call = 1;
    int times = 1;
    int error = ENOMEDIUM;
    qsizetype partial = 0; // a failing pwrite first writes this many bytes
    int calls = 0;

    bool failNow(const char *name)
    {
        if (which != QLatin1String(name) || ++calls < call || times <= 0)
            return false;
        --times;
        --calls;
        return true;
    }

    WordFileAppender::SystemCalls make()
    {
        auto real = WordFileAppender::posixCalls();
        return {[this, real](const char *path, int flags, mode_t mode) {
                    if (failNow("open")) {
                        errno = error;
                        return -1;
                    }
                    return real.openFile(path, flags, mode);
                },
                [this, real](int fd, const void *data, size_t size, off_t offset) -> ssize_t {
                    if (failNow("pwrite")) {
                        if (partial > 0)
                            real.pwrite(fd, data, static_cast<size_t>(partial), offset);
                        errno = error;
                        return -1;
                    }
                    return real.pwrite(fd, data, size, offset);
                },
                [this, real](int fd) {
                    if (failNow("fsync")) {
                        errno = error;
                        return -1;
                    }
                    return real.fsync(fd);
                }};
    }
};

} // namespace

class TestWordFileAppender : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("Dictionary.txt"); }

private Q_SLOTS:
    void init() { QFile::remove(path()); }

    void appendsEntriesInTheFileFormat_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("adult") << QByteArray("Cat\r\n") << QStringList{"*Owl", "A night bird"}
                               << QByteArray("Cat\r\n*Owl\r\nA night bird\r\n");
        QTest::newRow("child") << QByteArray("Cat\r\n") << QStringList{"Dog"}
                               << QByteArray("Cat\r\nDog\r\n");
        QTest::newRow("blanks kept") << QByteArray() << QStringList{"  "} << QByteArray("  \r\n");
        QTest::newRow("last line without terminator")
            << QByteArray("Cat") << QStringList{"Dog"} << QByteArray("Cat\r\nDog\r\n");
        QTest::newRow("last line ends in a lone CR")
            << QByteArray("Cat\r") << QStringList{"Dog"} << QByteArray("Cat\rDog\r\n");
        QTest::newRow("last line ends in a lone LF, which ends no line")
            << QByteArray("Cat\n") << QStringList{"Dog"} << QByteArray("Cat\n\r\nDog\r\n");
        QTest::newRow("a byte-order mark alone holds no line")
            << QByteArray("\xEF\xBB\xBF") << QStringList{"Dog"}
            << QByteArray("\xEF\xBB\xBF"
                          "Dog\r\n");
        QTest::newRow("a byte-order mark before an unterminated line")
            << QByteArray("\xEF\xBB\xBF"
                          "Cat")
            << QStringList{"Dog"}
            << QByteArray("\xEF\xBB\xBF"
                          "Cat\r\nDog\r\n");
        QTest::newRow("UTF-8") << QByteArray() << QStringList{QString::fromUtf8("Café")}
                               << QByteArray("Caf\xC3\xA9\r\n");
    }

    void appendsEntriesInTheFileFormat()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, after);
        if (!before.isEmpty())
            writeBytes(path(), before);
        ScriptedServices services;
        QVERIFY(WordFileAppender(services, QFile::encodeName(path())).append(lines));
        QCOMPARE(readBytes(path()), after);
        QVERIFY(services.messages.isEmpty());
    }

    void missingFileIsCreated()
    {
        ScriptedServices services;
        QVERIFY(WordFileAppender(services, QFile::encodeName(path())).append({"Dog"}));
        QCOMPARE(readBytes(path()), QByteArray("Dog\r\n"));
    }

    void missingFolderShowsTheNotFoundMessage()
    {
        ScriptedServices services;
        QVERIFY(
            !WordFileAppender(services, QFile::encodeName(m_dir.filePath("gone/Dictionary.txt")))
                 .append({"x"}));
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages.first().text,
                 QString("The path is not correct, or \r\nthe data file was not found in the "
                         "project's folder."));
        QCOMPARE(services.messages.first().title, QString("Error"));
        QVERIFY(!QFile::exists(m_dir.filePath("gone")));
    }

    void diskNotReadyRetriesTheFailedStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<qsizetype>("partial");
        QTest::newRow("open") << "open" << qsizetype(0);
        QTest::newRow("write, part of it done") << "pwrite" << qsizetype(4);
        QTest::newRow("flush") << "fsync" << qsizetype(0);
    }

    void diskNotReadyRetriesTheFailedStep()
    {
        QFETCH(QString, step);
        QFETCH(qsizetype, partial);
        writeBytes(path(), "Cat\r\n");
        FailingCalls failing{step, 1, 3, ENOMEDIUM, partial};
        ScriptedServices services;
        services.answers = {MessageBoxAnswer::Retry, MessageBoxAnswer::Retry,
                            MessageBoxAnswer::Retry};
        QVERIFY(WordFileAppender(services, QFile::encodeName(path()), failing.make())
                    .append({"*Owl", "A bird"}));
        QCOMPARE(readBytes(path()), QByteArray("Cat\r\n*Owl\r\nA bird\r\n"));
        QCOMPARE(services.messages.size(), 3);
        for (const auto &message : services.messages) {
            QCOMPARE(message.text, kNotReady);
            QCOMPARE(message.title, QString("Diskette Error"));
            QCOMPARE(message.flags, 37);
        }
    }

    void cancelAtDiskNotReadyLeavesTheFileAsItWas()
    {
        writeBytes(path(), "Cat");
        FailingCalls failing{"pwrite", 1, 5, ENOMEDIUM, 3};
        ScriptedServices services;
        services.answers = {MessageBoxAnswer::Cancel};
        QVERIFY(
            !WordFileAppender(services, QFile::encodeName(path()), failing.make()).append({"Dog"}));
        QCOMPARE(readBytes(path()), QByteArray("Cat"));
        QCOMPARE(services.messages.size(), 1);
    }

    void failedWriteLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("I/O error part-way") << "pwrite" << EIO << "Input/output error";
        QTest::newRow("disk full") << "pwrite" << ENOSPC << "No space left on device";
        QTest::newRow("flush fails") << "fsync" << EIO << "Input/output error";
    }

    void failedWriteLeavesNothingBehind()
    {
        QFETCH(QString, step);
        QFETCH(int, error);
        QFETCH(QString, reason);
        writeBytes(path(), "Cat\r\n");
        FailingCalls failing{step, 1, 1, error, 6};
        ScriptedServices services;
        QVERIFY(!WordFileAppender(services, QFile::encodeName(path()), failing.make())
                     .append({"*Owl", "A bird"}));
        QCOMPARE(readBytes(path()), QByteArray("Cat\r\n"));
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages.first().text, "The word could not be added: " + reason + ".");
        QCOMPARE(services.messages.first().title, QString("Error"));
        QCOMPARE(services.messages.first().flags, 0);
    }

    void fileSizeLimitCutsTheWriteAndTheFileIsRestored()
    {
        const QByteArray before = "Cat\r\n*Owl\r\nA bird\r\n";
        writeBytes(path(), before);
        const ChildResult child = inChild([&](QByteArray &said) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t limit = static_cast<rlim_t>(before.size() + 4);
            const rlimit fileSize{limit, limit};
            if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
                return 10;
            ScriptedServices services;
            const bool added =
                WordFileAppender(services, QFile::encodeName(path())).append({"Dolphin"});
            for (const auto &message : services.messages)
                said += message.text.toUtf8();
            return added ? 1 : 0;
        });
        QCOMPARE(child.status, 0);
        QCOMPARE(readBytes(path()), before);
        QCOMPARE(child.said, QByteArray("The word could not be added: File too large."));
    }

    void readOnlyFileIsLeftAlone()
    {
        const QByteArray before = "Cat\r\n";
        writeBytes(path(), before);
        const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto enterable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QFile::setPermissions(path(), readable);
        QFile::setPermissions(m_dir.path(), readable | enterable | QFile::WriteOwner);
        const ChildResult child = inChild([&](QByteArray &said) {
            // Root may write anywhere: take the identity of an ordinary user first.
            if (!becomeOrdinaryUser())
                return 10;
            if (::access(path().toLocal8Bit().constData(), R_OK) != 0)
                return 11; // the test would prove nothing if the file could not even be read
            ScriptedServices services;
            const bool added =
                WordFileAppender(services, QFile::encodeName(path())).append({"Dog"});
            for (const auto &message : services.messages)
                said += message.text.toUtf8();
            return added ? 1 : 0;
        });
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(child.status, 0);
        QCOMPARE(readBytes(path()), before);
        QCOMPARE(child.said, QByteArray("The word could not be added: Permission denied."));
    }

    void addedWordsLoadExactlyAsTyped()
    {
        ScriptedServices services;
        WordFileAppender file(services, QFile::encodeName(path()));
        QVERIFY(file.append({"* Sun ", "Our own star, seen by day"}));
        QVERIFY(file.append({"ice Cream"}));
        TextFileReader reader(QFile::encodeName(path()));
        CDicitionaryInterface dictionary(services, reader);
        QCOMPARE(dictionary.getWord(1)->Word(), QString(" Sun "));
        QCOMPARE(dictionary.getWord(1)->Definition(), QString("Our own star, seen by day"));
        QCOMPARE(dictionary.getWord(0)->Word(), QString("ice Cream"));
    }
};

QTEST_GUILESS_MAIN(TestWordFileAppender)
#include "tst_wordfileappender.moc"
