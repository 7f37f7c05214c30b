// Writes the game's five sounds into the folder given on the command line. Every sound is
// computed here from sine partials and envelopes, the same bytes on every run.

#include "WavFile.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPeak = 0.7 * 32767;

using Buffer = std::vector<double>;

struct Tone
{
    double start = 0;                  // seconds
    double length = 0;                 // seconds
    double from = 440;                 // frequency at the start, Hz
    double to = 440;                   // frequency at the end (a glide when different)
    double level = 1;                  // loudness
    double decay = 4;                  // exponential decay per second
    double vibrato = 0;                // depth as a fraction of the frequency
    std::vector<double> partials{1.0}; // strength of harmonics 1, 2, 3, ...
};

void add(Buffer &buffer, const Tone &tone)
{
    const auto first = static_cast<size_t>(tone.start * kRate);
    const auto count = static_cast<size_t>(tone.length * kRate);
    if (buffer.size() < first + count)
        buffer.resize(first + count, 0.0);
    const double attack = 0.008;
    const double release = std::min(0.05, tone.length / 4);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double progress = t / tone.length;
        double frequency = tone.from * std::pow(tone.to / tone.from, progress);
        frequency *= 1.0 + tone.vibrato * std::sin(2 * std::numbers::pi * 6.0 * t);
        phase += 2 * std::numbers::pi * frequency / kRate;
        double sample = 0;
        for (size_t h = 0; h < tone.partials.size(); ++h)
            sample += tone.partials[h] * std::sin(phase * static_cast<double>(h + 1));
        const double envelope =
            std::min({1.0, t / attack, (tone.length - t) / release}) * std::exp(-tone.decay * t);
        buffer[first + i] += tone.level * envelope * sample;
    }
}

QByteArray toPcm(const Buffer &buffer)
{
    double loudest = 1e-9;
    for (double s : buffer)
        loudest = std::max(loudest, std::fabs(s));
    QByteArray bytes(static_cast<qsizetype>(buffer.size() * 2), Qt::Uninitialized);
    auto *samples = reinterpret_cast<qint16 *>(bytes.data());
    for (size_t i = 0; i < buffer.size(); ++i)
        samples[i] = static_cast<qint16>(std::lround(buffer[i] / loudest * kPeak));
    return bytes;
}

const std::vector<double> kBell{1.0, 0.35, 0.12};
const std::vector<double> kSoft{1.0, 0.12};
const std::vector<double> kHollow{1.0, 0.0, 0.11, 0.0, 0.04};
const std::vector<double> kReedy{1.0, 0.5, 0.33, 0.25, 0.2};

// A letter found: two quick rising bell notes.
Buffer hit()
{
    Buffer b;
    add(b, {0.00, 0.09, 1046.5, 1046.5, 0.8, 12, 0, kBell});
    add(b, {0.07, 0.18, 1318.5, 1318.5, 1.0, 10, 0, kBell});
    return b;
}

// A miss: two low hollow notes going down.
Buffer miss()
{
    Buffer b;
    add(b, {0.00, 0.16, 196.0, 196.0, 1.0, 5, 0, kHollow});
    add(b, {0.15, 0.28, 146.8, 138.6, 1.0, 4, 0, kHollow});
    return b;
}

// A lost game: a long wailing fall.
Buffer loss()
{
    Buffer b;
    add(b, {0.00, 0.30, 392.0, 392.0, 0.8, 1, 0.01, kReedy});
    add(b, {0.30, 0.30, 370.0, 370.0, 0.8, 1, 0.01, kReedy});
    add(b, {0.60, 0.95, 349.2, 196.0, 0.9, 1.2, 0.03, kReedy});
    return b;
}

// A won game: a rising fanfare that ends on a chord.
Buffer win()
{
    Buffer b;
    const double notes[] = {523.3, 659.3, 784.0};
    for (int i = 0; i < 3; ++i)
        add(b, {0.12 * i, 0.16, notes[i], notes[i], 0.8, 3, 0, kBell});
    add(b, {0.36, 0.9, 1046.5, 1046.5, 0.9, 2, 0.004, kBell});
    add(b, {0.36, 0.9, 659.3, 659.3, 0.5, 2, 0, kSoft});
    add(b, {0.36, 0.9, 784.0, 784.0, 0.5, 2, 0, kSoft});
    return b;
}

// Quitting: a gentle falling farewell.
Buffer goodbye()
{
    Buffer b;
    add(b, {0.00, 0.30, 784.0, 784.0, 0.9, 3, 0, kSoft});
    add(b, {0.25, 0.30, 659.3, 659.3, 0.9, 3, 0, kSoft});
    add(b, {0.50, 0.55, 523.3, 523.3, 1.0, 2.5, 0, kSoft});
    return b;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillow-make-sounds FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "quillow-make-sounds: cannot create %s\n", argv[1]);
        return 1;
    }
    const struct
    {
        const char *name;
        Buffer samples;
    } sounds[] = {{"music.wav", hit()},
                  {"no.wav", miss()},
                  {"scream.wav", loss()},
                  {"winner.wav", win()},
                  {"goodbye.wav", goodbye()}};
    for (const auto &sound : sounds) {
        const QString path = folder.filePath(QLatin1String(sound.name));
        if (!WavFile::write(path, toPcm(sound.samples), kRate)) {
            std::fprintf(stderr, "quillow-make-sounds: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
