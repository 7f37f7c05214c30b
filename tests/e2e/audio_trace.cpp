// audio_trace RECORDING FILE.wav...: prints the names of the .wav files whose samples stand in a
// recording made by SDL's disk audio driver (16-bit mono), in the order they were played, each
// with the second at which it starts.
#include "WavFile.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <map>

int main(int argc, char **argv)
{
    QFile file(argv[1]);
    if (argc < 3 || !file.open(QIODevice::ReadOnly))
        return 2;
    const QByteArray recording = file.readAll();
    std::multimap<qsizetype, QString> played;
    int rate = 1;
    for (int i = 2; i < argc; ++i) {
        const QByteArray samples = WavFile::readSamples(argv[i], &rate);
        for (qsizetype at = recording.indexOf(samples); !samples.isEmpty() && at >= 0;
             at = recording.indexOf(samples, at + samples.size()))
            played.emplace(at, QFileInfo(argv[i]).fileName());
    }
    for (const auto &[offset, name] : played)
        std::printf("%s %.3f\n", qPrintable(name), offset / 2.0 / rate);
    return 0;
}
