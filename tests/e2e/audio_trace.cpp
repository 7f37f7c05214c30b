// Prints, in the order they were played, the names of the .wav files whose samples stand in a
// recording made by SDL's disk audio driver (16-bit mono at the files' rate), each with the
// second of the recording at which it starts.
//
//   audio_trace RECORDING FILE.wav...

#include "WavFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <map>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: audio_trace RECORDING FILE.wav...\n");
        return 2;
    }
    QFile file(args.at(1));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "audio_trace: cannot read %s\n", qPrintable(args.at(1)));
        return 2;
    }
    const QByteArray recording = file.readAll();
    std::multimap<qsizetype, QString> played;
    int rate = 0;
    for (const QString &path : args.mid(2)) {
        const QByteArray samples = WavFile::readSamples(path, &rate);
        if (samples.isEmpty()) {
            std::fprintf(stderr, "audio_trace: %s is not 16-bit mono PCM\n", qPrintable(path));
            return 2;
        }
        for (qsizetype at = recording.indexOf(samples); at >= 0;
             at = recording.indexOf(samples, at + samples.size()))
            played.emplace(at, QFileInfo(path).fileName());
    }
    for (const auto &[offset, name] : played)
        std::printf("%s %.3f\n", qPrintable(name), offset / 2.0 / rate);
    return 0;
}
