// libFuzzer target: arbitrary bytes as the word file. They load, or stop the load with one of the
// two errors a file's content can cause; never a crash, a hang or a leak. Then, on the disk, an
// adult and a child entry are added: each append succeeds, and the file loads with the old
// entries and the new one after them, or is refused with a message and leaves the file as it was
// (a full level, a file that does not load).

#include "MemoryLineReader.h"
#include "RunTimeError.h"
#include "ScriptedServices.h"
#include "TestFiles.h"
#include "WordFileAppender.h"
#include "WordFileLoader.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// The entries the bytes hold, as level, word, "|", definition; or nothing when they do not load.
std::optional<QStringList> entries(const QByteArray &bytes)
{
    struct : WordFileLoader::Sink
    {
        QStringList list;
        void entryLoaded(const WordFileEntry &e) override
        {
            list << QString::number(e.level) + e.word + '|' + e.definition;
        }
    } sink;
    MemoryLineReader reader(bytes);
    try {
        WordFileLoader(reader, [](const RunTimeError &error) { throw error; }).load(sink);
        return sink.list;
    } catch (const RunTimeError &error) {
        if (error.number() != ErrorNumber::InputPastEndOfFile &&
            error.number() != ErrorNumber::SubscriptOutOfRange)
            std::abort();
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const char *data, std::size_t size)
{
    QByteArray bytes(data, qsizetype(size));
    std::optional<QStringList> before = entries(bytes);
    // In memory where the system has it: flushing costs nothing there.
    static QTemporaryDir folder(QFileInfo::exists("/dev/shm") ? "/dev/shm/quillow-fuzz" : "");
    const QString file = folder.filePath("words");
    writeBytes(file, bytes);
    for (const QString &entry : {"1Owl|A bird", "0Newt|"}) {
        ScriptedServices services;
        const QStringList lines =
            entry[0] == '1' ? QStringList{"*Owl", "A bird"} : QStringList{"Newt"};
        const bool room =
            before && before->filter(QRegularExpression('^' + entry.left(1))).size() < 1000;
        const bool added = WordFileAppender(services, QFile::encodeName(file)).append(lines);
        const QByteArray now = readBytes(file);
        if (added != room || added != services.messages.isEmpty() ||
            (added ? entries(now) != *before + QStringList(entry) : now != bytes))
            std::abort();
        bytes = now, before = entries(now);
    }
    return 0;
}
