#include "CDicitionaryInterface.h"
#include "CSecretWord.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A full word file: 1000 adult entries with definitions and 1000 child entries, interleaved.
QString writeFullWordFile(const QTemporaryDir &dir)
{
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i) {
        bytes += "*Adultword" + QByteArray::number(i) + "\r\n";
        bytes += "A definition of a reasonable length, about one line of text\r\n";
        bytes += "Child" + QByteArray::number(i) + "\r\n";
    }
    const QString path = dir.filePath("Dictionary.txt");
    writeBytes(path, bytes);
    return path;
}

void loadFullDictionary(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeFullWordFile(dir);
    for (auto _ : state) {
        CDicitionaryInterface dictionary(QFile::encodeName(path));
        benchmark::DoNotOptimize(dictionary.load());
    }
}
BENCHMARK(loadFullDictionary)->Unit(benchmark::kMicrosecond);

void getWord(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeFullWordFile(dir);
    CDicitionaryInterface dictionary(QFile::encodeName(path));
    if (dictionary.load())
        state.SkipWithError("the word file does not load");
    qint16 level = 0;
    for (auto _ : state) {
        auto word = dictionary.getWord(level);
        benchmark::DoNotOptimize(word);
        level = static_cast<qint16>(1 - level);
    }
}
BENCHMARK(getWord);

} // namespace

BENCHMARK_MAIN();
