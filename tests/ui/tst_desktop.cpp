// The desktop's services on a virtual clock: boxes, sounds (SDL's disk driver), closing signals.

#include "ChildProcess.h"
#include "CloseGuard.h"
#include "DesktopServices.h"
#include "RunToEnd.h"
#include "TestFiles.h"
#include "VirtualClock.h"
#include "WavFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <sys/stat.h>

// Signals sent (held back until all have come, or not), and how the program went on.
struct Signals
{
    QList<int> signals;
    bool together, ignoredAtStart, listening;
    QString end;
};

class TestDesktop : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CloseGuard m_guard;
    VirtualClock m_clock{m_guard};

private Q_SLOTS:
    void initTestCase()
    {
        QDir::setCurrent(m_dir.path());
        qputenv("SDL_DISKAUDIOFILE", "played.raw");
        qputenv("SDL_DISKAUDIODELAY", "0"); // the device takes a sound as fast as it can
        ::mkfifo("fifo", 0600);
    }

    // Texts and titles shown as they are, never as markup (an image of a FIFO would hold the
    // game). Under a box the game takes no clicks or keys, but its close still reaches it.
    void messageBoxesOfEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("press"); // 0: Escape
        QTest::addColumn<QString>("seen");
        QTest::addColumn<int>("answer");
        auto row = [](const char *tag, int kind, int press, const char *seen, int answer) {
            QTest::newRow(tag) << kind << press << QString(seen) << answer;
        };
        row("a plain box, OK pressed", 0, QMessageBox::Ok, "OK, icon 0", 1);
        row("a question, Retry pressed", 37, QMessageBox::Retry, "Retry Cancel, icon 4", 4);
        row("the same, Escape cancels", 37, 0, "Retry Cancel, icon 4", 2);
        row("an error: Escape is OK where OK stands alone", 16, 0, "OK, icon 3", 1);
        row("a warning, OK pressed", 48, QMessageBox::Ok, "OK, icon 2", 1);
    }

    void messageBoxesOfEachKind()
    {
        QFETCH(int, kind);
        QFETCH(int, press);
        QFETCH(QString, seen);
        QFETCH(int, answer);
        const QString text = "<b>Owl</b><img src=\"fifo\">\r\nThe end.",
                      title = "Ann[*] <i>won</i>";
        struct : QWidget
        {
            QPushButton button{"Reset", this};
            QString got;
            void keyPressEvent(QKeyEvent *) override { got += "key "; }
            void closeEvent(QCloseEvent *) override { got += "close "; }
        } game;
        connect(&game.button, &QPushButton::clicked, [&game] { game.got += "click "; });
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        DesktopServices services(m_guard, m_clock);
        Task<MessageBoxAnswer> asking = services.showMessage(text, title, MessageBoxKind(kind));
        asking.start();
        QMessageBox *box = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            box = box ? box : qobject_cast<QMessageBox *>(w);
        QVERIFY(box);
        QTest::mouseClick(&game.button, Qt::LeftButton);
        QTest::keyClick(game.windowHandle(), Qt::Key_A);
        game.windowHandle()->close();
        QCOMPARE(game.got, "close ");
        QString shown;
        for (QAbstractButton *b : box->buttons())
            shown += b->text().remove('&') + ' ';
        shown = QString("%1, icon %2|%3|%4|%5")
                    .arg(shown.trimmed())
                    .arg(box->icon())
                    .arg(box->textFormat())
                    .arg(box->text(), box->windowHandle()->title());
        if (press)
            box->button(QMessageBox::StandardButton(press))->click();
        else
            QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(runToEnd(std::move(asking)), MessageBoxAnswer(answer));
        QCOMPARE(shown, seen + "|0|<b>Owl</b><img src=\"fifo\">\nThe end.|" + title);
        game.show();
        QTest::mouseClick(&game.button, Qt::LeftButton);
        QCOMPARE(game.got, "close click ");
    }

    // A sound reaches the device whole and is waited for; a missing one plays the built-in tone;
    // without a device, the game keeps the same pace.
    void soundsTakeTheirTime()
    {
        QByteArray noise(17640 * 2, Qt::Uninitialized); // 0.4 s, found nowhere else
        QRandomGenerator::global()->fillRange((quint32 *)noise.data(), noise.size() / 4);
        QVERIFY(WavFile::write("noise.wav", noise, SoundPlayer::SampleRate));
        for (const QByteArray driver : {"disk", "none"})
            for (const QString name : {"noise.wav", "missing.wav"}) {
                qputenv("SDL_AUDIODRIVER", driver);
                QFile::remove("played.raw");
                VirtualClock clock(m_guard);
                runToEnd(DesktopServices(m_guard, clock).playSound(name));
                QVERIFY(clock.now >= (name == "noise.wav" ? 400 : 200));
                // and then for the device's last buffer of 256 samples to play
                QCOMPARE(clock.last, driver == "disk" ? 256 * 1000 / SoundPlayer::SampleRate : 0);
                const QByteArray sound = name == "noise.wav" ? noise : SoundPlayer::fallbackTone();
                QCOMPARE(readBytes("played.raw").contains(sound), driver == "disk");
                QVERIFY(sound.count(QByteArray(2, '\0')) < sound.size() / 8); // never silence
            }
        QCOMPARE(SoundPlayer::fallbackTone().right(2),
                 QByteArray(2, '\0')); // it fades out: no click
    }

    // What plays, in ms: for an unusable file the tone (0 here), of a long one its first 10 s.
    void unusableAndOddSounds_data()
    {
        auto wav = [](quint32 rate, quint16 channels, int bytes) { // 8-bit, a square wave
            auto le = [](quint32 v, int size) { return QByteArray((const char *)&v, size); };
            return "RIFF" + le(36 + bytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) +
                   le(channels, 2) + le(rate, 4) + le(rate * channels, 4) + le(channels, 2) +
                   le(8, 2) + "data" + le(bytes, 4) + QByteArray("00\xD0\xD0").repeated(bytes / 4);
        };
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("played");
        QTest::newRow("a rate of 1 Hz") << wav(1, 1, 300000) << 0;
        QTest::newRow("three channels") << wav(8000, 3, 2400) << 0;
        QTest::newRow("a file over 2 MiB") << wav(44100, 1, 3 << 20) << 0;
        QTest::newRow("11025 Hz, converted to the device's rate") << wav(11025, 1, 11024) << 999;
        QTest::newRow("30 s at 8 kHz, cut to 10 s") << wav(8000, 1, 30 * 8000) << 10000;
    }

    void unusableAndOddSounds()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, played);
        writeBytes("odd.wav", file);
        const QByteArray samples = SoundPlayer::load("odd.wav");
        QCOMPARE(samples.size() / 2 * 1000 / SoundPlayer::SampleRate, played);
        // The square wave at its own loudness, as far as the resampler's ringing lets it.
        const auto *begin = reinterpret_cast<const qint16 *>(samples.constData());
        const auto *end = begin + samples.size() / 2;
        const auto count = [&](auto test) { return std::count_if(begin, end, test); };
        QCOMPARE(count([](int v) { return std::abs(v) > 31000; }), 0);
        QVERIFY(count([](int v) { return v > 10000; }) >= (end - begin) / 4);
        QVERIFY(count([](int v) { return v < -10000; }) >= (end - begin) / 4);
    }

    // SIGTERM, SIGHUP and SIGINT: heard through the event loop once it listens, else the end at
    // once. The first decides the status; two together are taken lowest number first.
    void signalsCloseTheGame_data()
    {
        QTest::addColumn<Signals>("c");
        auto row = [](const char *tag, const Signals &c) { QTest::newRow(tag) << c; };
        row("SIGTERM before the loop listens ends the program", {{SIGTERM}, 0, 0, 0, "ended 0"});
        row("SIGINT, with its own status", {{SIGINT}, 0, 0, 0, "ended 130"});
        row("SIGTERM heard closes the game", {{SIGTERM}, 0, 0, 1, "closing 0"});
        row("SIGINT heard", {{SIGINT}, 0, 0, 1, "closing 130"});
        row("SIGINT ignored from the start, as in a background job, stays ignored",
            {{SIGINT}, 0, 1, 1, "went on"});
        row("SIGINT then SIGTERM, together", {{SIGINT, SIGTERM}, 1, 0, 1, "closing 130"});
        row("SIGHUP then SIGINT, together", {{SIGHUP, SIGINT}, 1, 0, 1, "closing 0"});
        row("SIGTERM then SIGINT", {{SIGTERM, SIGINT}, 0, 0, 1, "closing 0"});
        row("SIGINT then SIGHUP", {{SIGINT, SIGHUP}, 0, 0, 1, "closing 130"});
    }

    void signalsCloseTheGame()
    {
        QFETCH(Signals, c);
        const auto &[signals, together, ignoredAtStart, listening, end] = c;
        QFile::remove("end");
        const int status = inChild([&] { // tells how it went on, if it did
            std::signal(signals[0], ignoredAtStart ? SIG_IGN : SIG_DFL);
            CloseGuard guard(CloseGuard::Signals::Caught);
            if (listening)
                guard.listen();
            sigset_t held, before;
            sigemptyset(&held);
            for (const int signal : signals)
                sigaddset(&held, signal);
            ::sigprocmask(together ? SIG_BLOCK : SIG_UNBLOCK, &held, &before);
            for (const int signal : signals)
                ::raise(signal);
            ::sigprocmask(SIG_SETMASK, &before, nullptr);
            for (int turn = 0; turn < 10; ++turn) // the pipe holds them already
                QCoreApplication::processEvents();
            writeBytes("end", guard.isClosing()
                                  ? "closing " + QByteArray::number(exitCode(guard.exitStatus()))
                                  : "went on");
            return 0;
        });
        const QByteArray said = readBytes("end");
        QCOMPARE(said.isEmpty() ? QString("ended %1").arg(status) : QString(said), end);
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
