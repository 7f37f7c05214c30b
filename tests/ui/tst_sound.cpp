#include "SoundPlayer.h"
#include "TestFiles.h"
#include "WavFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cmath>

namespace {

// A rising sweep: no stretch of it repeats, so finding it in the output shows it was played.
QByteArray sweep(double seconds)
{
    const int count = static_cast<int>(seconds * SoundPlayer::SampleRate);
    QByteArray bytes(count * 2, Qt::Uninitialized);
    auto *samples = reinterpret_cast<qint16 *>(bytes.data());
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SoundPlayer::SampleRate;
        samples[i] = static_cast<qint16>(9000 * std::sin(2 * M_PI * (300 + 900 * t) * t));
    }
    return bytes;
}

void sleepFor(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_output;
    QString m_oldCurrent;

private Q_SLOTS:
    void init()
    {
        m_output = m_dir.filePath(QString("played-%1.raw").arg(QTest::currentTestFunction()));
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", m_output.toLocal8Bit());
        m_oldCurrent = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }

    void cleanup() { QDir::setCurrent(m_oldCurrent); }

    void playedSamplesReachTheDeviceAndTheCallWaitsForTheEnd()
    {
        const QByteArray samples = sweep(0.4);
        QVERIFY(WavFile::write(m_dir.filePath("sweep.wav"), samples, SoundPlayer::SampleRate));
        QElapsedTimer clock;
        {
            SoundPlayer player(sleepFor);
            player.open();
            clock.start();
            player.play("sweep.wav");
            QVERIFY2(clock.elapsed() >= 400, "returned before the sound's end");
        }
        QVERIFY(readBytes(m_output).contains(samples));
    }

    void missingOrBrokenFilePlaysTheBuiltInTone_data()
    {
        QTest::addColumn<QByteArray>("fileBytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a wave file") << QByteArray("RIFF, or so it says");
    }

    void missingOrBrokenFilePlaysTheBuiltInTone()
    {
        QFETCH(QByteArray, fileBytes);
        if (!fileBytes.isEmpty())
            writeBytes(m_dir.filePath("broken.wav"), fileBytes);
        {
            SoundPlayer player(sleepFor);
            player.play(fileBytes.isEmpty() ? "missing.wav" : "broken.wav");
        }
        QVERIFY(readBytes(m_output).contains(SoundPlayer::fallbackTone()));
    }

    void otherFormatsAreConverted()
    {
        // 8-bit unsigned mono at 11025 Hz: a different rate and sample size.
        QByteArray wav("RIFF");
        QByteArray data(11025 / 4, char(0x80 + 60));
        for (int i = 0; i < data.size(); i += 2)
            data[i] = char(0x80 - 60);
        auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
        auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); };
        wav += le32(36 + data.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(11025) +
               le32(11025) + le16(1) + le16(8) + "data" + le32(data.size()) + data;
        writeBytes(m_dir.filePath("eight.wav"), wav);
        {
            SoundPlayer player(sleepFor);
            player.play("eight.wav");
        }
        const QByteArray out = readBytes(m_output);
        QVERIFY(!out.contains(SoundPlayer::fallbackTone()));
        QVERIFY(out.count(QByteArray(2, '\0')) < out.size() / 2); // not just silence
    }

    void shippedSoundsAreShortDistinctPcm_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("longest");
        QTest::newRow("hit") << "music.wav" << 0.45;
        QTest::newRow("miss") << "no.wav" << 2.0;
        QTest::newRow("loss") << "scream.wav" << 2.0;
        QTest::newRow("win") << "winner.wav" << 2.0;
        QTest::newRow("goodbye") << "goodbye.wav" << 2.0;
    }

    void shippedSoundsAreShortDistinctPcm()
    {
        QFETCH(QString, name);
        QFETCH(double, longest);
        int rate = 0;
        const QByteArray samples =
            WavFile::readSamples(QDir(QUILLOW_GAME_DIR).filePath(name), &rate);
        QVERIFY2(!samples.isEmpty(), "not a 16-bit mono PCM file");
        QCOMPARE(rate, SoundPlayer::SampleRate);
        const double seconds = samples.size() / 2.0 / rate;
        QVERIFY(seconds > 0.1 && seconds < longest);
        const QStringList all{"music.wav", "no.wav", "scream.wav", "winner.wav", "goodbye.wav"};
        for (const QString &other : all)
            if (other != name)
                QVERIFY(WavFile::readSamples(QDir(QUILLOW_GAME_DIR).filePath(other)) != samples);
    }

    void withoutADeviceTheGameGoesOnWithTheSoundsLength()
    {
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        QVERIFY(WavFile::write(m_dir.filePath("short.wav"), sweep(0.3), SoundPlayer::SampleRate));
        SoundPlayer player(sleepFor);
        player.open();
        QElapsedTimer clock;
        clock.start();
        player.play("short.wav");
        QVERIFY(clock.elapsed() >= 300);
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
