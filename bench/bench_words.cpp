#include "CDicitionaryInterface.h"
#include "CSecretWord.h"
#include "ScriptedServices.h"
#include "TestFiles.h"
#include "TextFileReader.h"

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
    ScriptedServices services;
    for (auto _ : state) {
        TextFileReader reader(QFile::encodeName(path));
        CDicitionaryInterface dictionary(services, reader);
        benchmark::DoNotOptimize(dictionary);
    }
}
BENCHMARK(loadFullDictionary)->Unit(benchmark::kMicrosecond);

void getWord(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeFullWordFile(dir);
    ScriptedServices services;
    TextFileReader reader(QFile::encodeName(path));
    CDicitionaryInterface dictionary(services, reader);
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
