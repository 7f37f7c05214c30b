// Hostile and careless files: pipes, sockets, devices, huge files, odd sounds, markup and
// escape codes in words, full levels, two writers at once. Nothing may crash, hang, mislead the
// player or cost a word. Time bounds here are generous timeouts, not benchmarks.

#include "CDicitionaryInterface.h"
#include "CSecretWord.h"
#include "GameFixture.h"
#include "RunTimeError.h"
#include "SoundPlayer.h"
#include "StartupError.h"
#include "TextFileReader.h"
#include "WordFileAppender.h"
#include "WordFileChecker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr qint64 kGenerousMs = 5000;

QByteArray childWords(const QString &stem, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += (stem + QString::number(i)).toUtf8() + "\r\n";
    return bytes;
}

// An 8-bit mono WAV file that declares the given rate and holds that many data bytes.
QByteArray wav(quint32 rate, qsizetype dataBytes)
{
    auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
    auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); };
    QByteArray data(dataBytes, char(0x80 + 50));
    for (qsizetype i = 0; i < dataBytes; i += 2)
        data[i] = char(0x80 - 50);
    return "RIFF" + le32(quint32(36 + dataBytes)) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
           le32(rate) + le32(rate) + le16(1) + le16(8) + "data" + le32(quint32(dataBytes)) + data;
}

// Makes the named kind of hostile file at path.
bool make(const QString &kind, const QString &path, const QByteArray &contents = {})
{
    const QByteArray name = path.toLocal8Bit();
    if (kind == "fifo")
        return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == "socket") {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
        return ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    }
    if (kind == "/dev/zero link")
        return QFile::link("/dev/zero", path);
    if (kind == "folder")
        return QDir().mkdir(path);
    if (kind == "sparse 2 GB") {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(2LL * 1024 * 1024 * 1024);
    }
    writeBytes(path, contents);
    return true;
}

int checkWords(const QString &path, QByteArray *output)
{
    QProcess process;
    process.start(QStringLiteral(QUILLOW_CHECK_WORDS), {path});
    if (!process.waitForFinished(int(kGenerousMs)))
        return -1;
    *output = process.readAllStandardOutput();
    return process.exitCode();
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

private Q_SLOTS:
    // Every test gets a folder of its own: FIFOs and sockets left behind would hang the next.
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void wordFileThatIsNoOrdinaryFileStopsTheStartAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << "fifo"
                              << "Not a regular file: it is a named pipe";
        QTest::newRow("socket") << "socket"
                                << "Not a regular file: it is a socket";
        QTest::newRow("link to /dev/zero") << "/dev/zero link"
                                           << "Not a regular file: it is a device";
        QTest::newRow("folder") << "folder"
                                << "Is a directory";
        QTest::newRow("sparse 2 GB file") << "sparse 2 GB"
                                          << "The file is larger than 8 MiB, the most it may hold";
        QTest::newRow("a byte over the limit")
            << "large"
            << "The file is larger than 8 MiB, the most it may hold";
    }

    void wordFileThatIsNoOrdinaryFileStopsTheStartAtOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString path = m_dir->filePath("Dictionary.txt");
        QVERIFY(make(kind, path, QByteArray(TextFileReader::MaxFileSize + 1, 'a')));

        QElapsedTimer clock;
        clock.start();
        ScriptedServices services;
        const QByteArray wordPath =
            QFile::encodeName(QDir(m_dir->path()).filePath("Dictionary.txt"));
        try {
            CDicitionaryInterface dictionary(services, wordPath);
            QFAIL("the game started");
        } catch (const RunTimeError &error) {
            QCOMPARE(error.number(), ErrorNumber::PathFileAccessError);
            QCOMPARE(error.detail(), reason);
            QVERIFY(startupErrorText(error).contains(reason));
        }
        QVERIFY(services.messages.isEmpty()); // no "not ready, retry?" loop
        QByteArray said;
        QCOMPARE(checkWords(path, &said), 2);
        QVERIFY2(said.contains(reason.toUtf8()), said.constData());
        QVERIFY(clock.elapsed() < kGenerousMs);
    }

    void largestAcceptedWordFileLoads()
    {
        const QString path = m_dir->filePath("Dictionary.txt");
        QByteArray bytes = childWords("w", 1000);
        bytes += QByteArray(TextFileReader::MaxFileSize - bytes.size() - 2, 'x') + "\r\n";
        writeBytes(path, bytes);
        ScriptedServices services;
        const QByteArray wordPath =
            QFile::encodeName(QDir(m_dir->path()).filePath("Dictionary.txt"));
        CDicitionaryInterface dictionary(services, wordPath);
        QCOMPARE(dictionary.getWord(0)->Word().front(), u'w');
    }

    // A sound that cannot be used plays the built-in tone; none costs more than a few MB.
    void hostileSoundsAreBounded_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("playedMs"); // 0: the built-in tone instead
        QTest::newRow("1 Hz, 300 000 bytes") << "file" << wav(1, 300000) << 0;
        QTest::newRow("4 GHz") << "file" << wav(4000000000u, 1000) << 0;
        QTest::newRow("FIFO") << "fifo" << QByteArray() << 0;
        QTest::newRow("link to /dev/zero") << "/dev/zero link" << QByteArray() << 0;
        QTest::newRow("larger than 2 MiB") << "file" << wav(44100, 3 * 1024 * 1024) << 0;
        QTest::newRow("30 s at 8 kHz plays 10 s") << "file" << wav(8000, 30 * 8000) << 10000;
        QTest::newRow("a short sound at 192 kHz") << "file" << wav(192000, 96000) << 500;
    }

    void hostileSoundsAreBounded()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, contents);
        QFETCH(int, playedMs);
        const QString path = m_dir->filePath("music.wav");
        QVERIFY(make(kind, path, contents));
        QElapsedTimer clock;
        clock.start();
        const QByteArray samples = SoundPlayer::load(path);
        QVERIFY(clock.elapsed() < kGenerousMs);
        QCOMPARE(samples.size() / 2 * 1000 / SoundPlayer::SampleRate, playedMs);
    }

    void fullLevelRefusesTheWordAndKeepsThePanelOpen_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("adult");
        QTest::addColumn<QString>("refusal"); // empty: added
        const QByteArray adults = [] {
            QByteArray bytes;
            for (int i = 0; i < 1000; ++i)
                bytes += "*a" + QByteArray::number(i) + "\r\nmeaning\r\n";
            return bytes;
        }();
        const QString full = "The dictionary already holds 1000 %1 words, the most a level can "
                             "have. The word was not added.";
        QTest::newRow("child level full") << childWords("c", 1000) << false << full.arg("child");
        QTest::newRow("adult level full") << adults + "Cat\r\n" << true << full.arg("adult");
        QTest::newRow("the other level is full") << childWords("c", 1000) << true << QString();
        QTest::newRow("one place left") << childWords("c", 999) << false << QString();
    }

    void fullLevelRefusesTheWordAndKeepsThePanelOpen()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, adult);
        QFETCH(QString, refusal);
        GameFixture game("Cat\r\n*Owl\r\nA bird\r\n");
        game.startGame("Ann", false);
        writeBytes(game.wordFilePath(), file); // as it is on the disk now
        game.ui().cmdAddWord->click();
        (adult ? game.ui().optAdultWord : game.ui().optChildWord)->click();
        game.ui().txtWord->setText("Newt");
        game.ui().txtDefinition->setText("A small lizard-like animal");
        game.ui().cmdAddWordtoDicitonary->click();
        if (refusal.isEmpty()) {
            QVERIFY(game.services.messages.isEmpty());
            ScriptedServices services;
            const QByteArray wordPath =
                QFile::encodeName(QDir(game.folder.path()).filePath("Dictionary.txt"));
            CDicitionaryInterface loads(services, wordPath); // the next start still works
        } else {
            QCOMPARE(game.services.messages.size(), 1);
            QCOMPARE(game.services.messages.first().text, refusal);
            QCOMPARE(game.services.messages.first().title, QString("Dictionary full"));
            QCOMPARE(readBytes(game.wordFilePath()), file);
            QVERIFY(game.ui().fraAddWord->isVisible());
        }
    }

    void twoProcessesAppendingAtOnceKeepEveryEntry()
    {
        const QString path = m_dir->filePath("Dictionary.txt");
        writeBytes(path, "Cat"); // its last line unterminated: only one writer may end it
        // Both writers are forked from this thread: a fork from a second thread could copy a
        // lock that the first holds.
        auto appendMany = [&path](const QString &stem) {
            const pid_t pid = ::fork();
            if (pid != 0)
                return pid;
            ScriptedServices services;
            WordFileAppender file(services, QFile::encodeName(path));
            for (int i = 0; i < 100; ++i)
                if (!file.append({stem + QString::number(i)}))
                    ::_exit(1);
            ::_exit(0);
        };
        QElapsedTimer clock;
        clock.start();
        const pid_t first = appendMany("a");
        const pid_t second = appendMany("b");
        for (const pid_t pid : {first, second}) {
            int status = -1;
            QCOMPARE(::waitpid(pid, &status, 0), pid);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        QVERIFY(clock.elapsed() < 6 * kGenerousMs);

        QStringList lines = QString::fromUtf8(readBytes(path)).split("\r\n");
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.takeFirst(), QString("Cat"));
        QCOMPARE(lines.size(), 200);
        lines.sort();
        for (int i = 0; i < 100; ++i) {
            QVERIFY(lines.contains("a" + QString::number(i)));
            QVERIFY(lines.contains("b" + QString::number(i)));
        }
    }

    void aLockHeldTooLongIsReportedAndNothingWritten()
    {
        const QString path = m_dir->filePath("Dictionary.txt");
        writeBytes(path, "Cat\r\n");
        const int editor = ::open(path.toLocal8Bit().constData(), O_RDONLY);
        QCOMPARE(::flock(editor, LOCK_EX), 0);
        ScriptedServices services;
        QVERIFY(!WordFileAppender(services, QFile::encodeName(path)).append({"Dog"}));
        ::close(editor);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages.first().text,
                 QString("The word could not be added: Another program is writing to the word "
                         "file."));
        QCOMPARE(readBytes(path), QByteArray("Cat\r\n"));
    }

    // The end-of-game box is given the word, definition and name exactly as stored; the box
    // shows them as plain text (see the desktop services' test).
    void markupInADefinitionAndANameReachTheBoxUnchanged()
    {
        GameFixture game("*Owl\r\nnight bird<img src=\"/tmp/fifo\"><b>!</b>\r\n");
        game.startGame("Ann[*]", true);
        game.guess("OWL");
        QCOMPARE(game.services.messages.size(), 1);
        QVERIFY(game.services.messages.first().text.contains(
            "night bird<img src=\"/tmp/fifo\"><b>!</b>"));
        QVERIFY(game.services.messages.first().title.contains("Ann[*]"));
    }

    void checkerEscapesWhatATerminalWouldActOn_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("escape sequence")
            << QByteArray("a\x1b]0;owned\x07") << QByteArray("\"a\\x1b]0;owned\\x07\"");
        QTest::newRow("format placeholders") << QByteArray("%1%2") << QByteArray("\"%1%2\"");
        QTest::newRow("NUL") << QByteArray("ca\0t", 4) << QByteArray("\"ca\\x00t\"");
        QTest::newRow("backslash") << QByteArray("a\\x1b") << QByteArray("\"a\\\\x1b\"");
    }

    void checkerEscapesWhatATerminalWouldActOn()
    {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, shown);
        const QString path = m_dir->filePath("odd\x1b[2Jname.txt");
        writeBytes(path, word + "\r\n" + word + "\r\n*Owl\r\nA bird\r\n");
        QByteArray said;
        QCOMPARE(checkWords(path, &said), 1);
        QVERIFY2(!said.contains('\x1b') && !said.contains('\0'), said.constData());
        QVERIFY2(said.contains("odd\\x1b[2Jname.txt:2: warning: " + shown +
                               " is already a child word at line 1\n"),
                 said.constData());
    }

    void outOfMemoryInAHandlerIsRunTimeError7()
    {
        GameFixture game("Cat\r\n");
        game.services.onSound = [](const QString &) { throw std::bad_alloc(); };
        game.startGame("Ann", false);
        game.guess("C");
        QCOMPARE(game.services.messages.size(), 1);
        QCOMPARE(game.services.messages.first().text,
                 QString("Run-time error '7':\n\nOut of memory"));
        QVERIFY(game.window->isHidden());
    }

    // The window system's close request while a reveal or a sound holds the window: the
    // window goes at once, and the handler goes no further than the wait in progress.
    void closingDuringAHandlerStopsItAfterItsWait_data()
    {
        QTest::addColumn<QString>("during");
        QTest::newRow("reveal") << "pause";
        QTest::newRow("sound") << "sound";
    }

    void closingDuringAHandlerStopsItAfterItsWait()
    {
        QFETCH(QString, during);
        GameFixture game("Cat\r\n");
        game.startGame("Ann", false);
        auto closeNow = [&game] { game.window->close(); };
        if (during == "pause")
            game.services.onPause = closeNow;
        else
            game.services.onSound = [&](const QString &) { closeNow(); };
        game.guess("C");
        QVERIFY(game.window->isHidden());
        QCOMPARE(game.services.sounds.size(), 1);
        QVERIFY(game.services.messages.isEmpty());
        QCOMPARE(game.services.pauses, during == "pause" ? 1 : 0);
        game.services.onPause = {};
        game.services.onSound = {};
        game.guess("AT"); // nothing more happens on the closed window
        QCOMPARE(game.services.sounds.size(), 1);
    }
};

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
