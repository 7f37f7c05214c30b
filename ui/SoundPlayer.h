#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Plays .wav files through SDL's audio subsystem, one at a time and to their end. The device is
// opened once, by open() or else by the first sound, and kept, so that a sound starts at once. A
// file that is missing or unreadable plays a short built-in tone instead; without an audio device
// the player stays silent but takes as long as the sound would have.
class SoundPlayer
{
public:
    // Waits the given milliseconds while the sound plays (the window may paint meanwhile).
    using Wait = std::function<void(int milliseconds)>;

    static constexpr int SampleRate = 44100;

    explicit SoundPlayer(Wait wait);
    ~SoundPlayer();
    // Starts SDL's audio and opens the device; does nothing the second time.
    void open();
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    // Plays the file (a path as given, relative to the current directory) and returns when it
    // has been heard to its end.
    void play(const QString &fileName);

    bool hasDevice()
    {
        open();
        return m_device != 0;
    }

    // The stand-in tone: 16-bit signed mono samples at SampleRate.
    static QByteArray fallbackTone();

private:
    // The file's samples in the device's format, or nothing when it cannot be read.
    QByteArray load(const QString &fileName) const;

    Wait m_wait;
    bool m_opened = false;
    bool m_audioReady = false;
    unsigned m_device = 0;
    int m_bufferSamples = 0;
};
