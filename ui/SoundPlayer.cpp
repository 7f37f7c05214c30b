#include "SoundPlayer.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "RegularFile.h"
#include "RunTimeError.h"

#include <algorithm>
#include <fcntl.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

namespace {

constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr int kChannels = 1;
constexpr int kBytesPerSample = 2;
constexpr int kDeviceBufferSamples = 256;

int durationMs(qsizetype bytes)
{
    return static_cast<int>(bytes / kBytesPerSample * 1000 / SoundPlayer::SampleRate);
}

// The samples in the device's format, or nothing when SDL cannot convert them.
QByteArray convert(const SDL_AudioSpec &spec, const Uint8 *samples, Uint32 length)
{
    SDL_AudioCVT cvt{};
    const int built = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, kFormat,
                                        kChannels, SoundPlayer::SampleRate);
    if (built == 0)
        return QByteArray(reinterpret_cast<const char *>(samples), length);
    if (built < 0)
        return {};
    QByteArray bytes(static_cast<qsizetype>(length) * cvt.len_mult, Qt::Uninitialized);
    std::memcpy(bytes.data(), samples, length);
    cvt.buf = reinterpret_cast<Uint8 *>(bytes.data());
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) != 0)
        return {};
    bytes.truncate(cvt.len_cvt);
    bytes.squeeze();
    return bytes;
}

} // namespace

void SoundPlayer::open()
{
    if (m_opening.joinable())
        m_opening.join();
    if (!m_opened && !m_muted)
        openNow();
}

void SoundPlayer::openInBackground()
{
    if (!m_opened && !m_muted && !m_opening.joinable())
        m_opening = std::thread([this] {
            openNow();
            // SDL keeps per-thread data (its error text) for threads it did not start.
            SDL_TLSCleanup();
        });
}

void SoundPlayer::openNow()
{
    m_opened = true;
    SDL_SetMainReady();
    // SDL would turn SIGINT and SIGTERM into events that nobody reads, and the game could then
    // not be stopped by a signal (at logout, say).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "quillow: no sound: %s\n", SDL_GetError());
        return;
    }
    m_audioReady = true;
    SDL_AudioSpec wanted{};
    wanted.freq = SampleRate;
    wanted.format = kFormat;
    wanted.channels = kChannels;
    wanted.samples = kDeviceBufferSamples;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to the hardware itself, and the samples we queue are
    // exactly what the device is given.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device == 0) {
        std::fprintf(stderr, "quillow: no sound device: %s\n", SDL_GetError());
        return;
    }
    m_bufferSamples = obtained.samples;
    SDL_PauseAudioDevice(m_device, 0);
}

SoundPlayer::~SoundPlayer()
{
    if (m_opening.joinable())
        m_opening.join();
    if (m_device != 0)
        SDL_CloseAudioDevice(m_device);
    if (m_audioReady)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

QByteArray SoundPlayer::fallbackTone()
{
    constexpr double kSeconds = 0.2;
    constexpr double kFrequency = 660.0;
    constexpr double kAmplitude = 8000.0;
    const int count = static_cast<int>(SampleRate * kSeconds);
    const int fade = SampleRate / 100;
    QByteArray bytes(count * kBytesPerSample, '\0');
    auto *samples = reinterpret_cast<qint16 *>(bytes.data());
    for (int i = 0; i < count; ++i) {
        const double envelope = std::min({1.0, double(i) / fade, double(count - 1 - i) / fade});
        const double phase = 2.0 * std::numbers::pi * kFrequency * i / SampleRate;
        samples[i] = static_cast<qint16>(std::lround(kAmplitude * envelope * std::sin(phase)));
    }
    return bytes;
}

QByteArray SoundPlayer::load(const QString &fileName)
{
    QByteArray file;
    try {
        file = RegularFile::open(fileName.toLocal8Bit(), O_RDONLY).readAll(MaxFileSize);
    } catch (const RunTimeError &) {
        return {}; // missing, a pipe or a device, or too large for a short sound
    }
    SDL_AudioSpec spec{};
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(file.constData(), static_cast<int>(file.size())), 1,
                        &spec, &buffer, &length))
        return {};
    file.clear();
    const int frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    QByteArray bytes;
    if (spec.freq >= MinFileRate && spec.freq <= MaxFileRate && spec.channels <= MaxChannels &&
        frameBytes > 0) {
        // Only the first MaxSeconds are played; conversion costs a few times what it is given.
        const Uint32 longest = static_cast<Uint32>(MaxSeconds * spec.freq * frameBytes);
        bytes = convert(spec, buffer, std::min(length - length % frameBytes, longest));
    }
    SDL_FreeWAV(buffer);
    return bytes;
}

SoundPlayer::Playing SoundPlayer::play(const QString &fileName)
{
    open();
    QByteArray samples = load(fileName);
    if (samples.isEmpty())
        samples = fallbackTone();
    if (m_device != 0) {
        SDL_ClearQueuedAudio(m_device);
        SDL_QueueAudio(m_device, samples.constData(), static_cast<Uint32>(samples.size()));
    }
    // Without a device the buffer is 0 samples.
    return Playing(m_device, durationMs(samples.size()), m_bufferSamples * 1000 / SampleRate);
}

bool SoundPlayer::Playing::isQueued() const
{
    return SDL_GetQueuedAudioSize(m_device) > 0; // none, without a device
}
