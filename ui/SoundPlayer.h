#pragma once

#include <QByteArray>
#include <QString>

#include <thread>

// Plays .wav files through SDL's audio subsystem, one at a time. The device is opened once, by
// open() or else by the first sound, and kept, so that a sound starts at once. A file that cannot
// be used plays a short built-in tone instead: one that is missing or is no regular file (a pipe
// never blocks the game), is larger than MaxFileSize, is no WAV file SDL reads, has more than
// MaxChannels or a rate outside MinFileRate to MaxFileRate. A longer sound plays its first
// MaxSeconds. Without an audio device, or muted, nothing is heard, but a sound lasts as long.
class SoundPlayer
{
public:
    static constexpr int SampleRate = 44100;
    static constexpr qint64 MaxFileSize = 2 * 1024 * 1024;
    static constexpr int MaxChannels = 2;
    static constexpr int MinFileRate = 8000;
    static constexpr int MaxFileRate = 192000;
    static constexpr int MaxSeconds = 10;

    // A sound as it plays. (When the game closes during one, the program ends, and the sound
    // with it.)
    class Playing
    {
    public:
        Playing(unsigned device, int milliseconds, int lastBufferMs)
            : m_device(device), m_milliseconds(milliseconds), m_lastBufferMs(lastBufferMs)
        {}

        // How long the sound lasts.
        int milliseconds() const { return m_milliseconds; }
        // Whether the device still holds part of it to play, and then how long its last buffer
        // takes once it has left the queue.
        bool isQueued() const;
        int lastBufferMs() const { return m_lastBufferMs; }

    private:
        unsigned m_device;
        int m_milliseconds;
        int m_lastBufferMs;
    };

    SoundPlayer() = default;
    ~SoundPlayer();
    // Starts SDL's audio and opens the device; does nothing the second time, or when muted.
    void open();
    // The same on a thread of its own; the first sound waits for it to be done.
    void openInBackground();
    // Muted, nothing reaches the audio device (it is never opened), but every sound still lasts
    // as long as it would have.
    void setMuted(bool muted) { m_muted = muted; }
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    // Starts the file playing (a path as given, relative to the current directory).
    Playing play(const QString &fileName);

    // The stand-in tone: 16-bit signed mono samples at SampleRate.
    static QByteArray fallbackTone();
    // The file's samples as they are played (16-bit signed mono at SampleRate, at most
    // MaxSeconds), or nothing when the file cannot be used.
    static QByteArray load(const QString &fileName);

private:
    void openNow();

    std::thread m_opening;
    bool m_muted = false;
    bool m_opened = false;
    bool m_audioReady = false;
    unsigned m_device = 0;
    int m_bufferSamples = 0;
};
