// libFuzzer target: arbitrary bytes as the word file on the disk, then an adult and a child
// entry added to it. An append either succeeds, and the file then loads with every old entry and
// the new one after them, or is refused with a message and leaves the file byte for byte as it
// was: a full level, or a file that did not load before.

#include "MemoryLineReader.h"
#include "RunTimeError.h"
#include "ScriptedServices.h"
#include "TextFileReader.h"
#include "WordFileAppender.h"
#include "WordFileFormat.h"
#include "WordFileLoader.h"

#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

class Entries : public WordFileLoader::Sink
{
public:
    void entryLoaded(const WordFileEntry &e) override
    {
        list << QString::number(e.level) + u'|' + e.word + u'|' + e.definition;
        ++count[e.level == WordFileFormat::AdultLevel];
    }
    QStringList list;
    int count[2] = {0, 0};
};

[[noreturn]] void finding(const char *what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

bool load(const QByteArray &path, Entries &entries)
{
    TextFileReader reader(path);
    try {
        WordFileLoader(reader, [](const RunTimeError &error) { throw error; }).load(entries);
        return true;
    } catch (const RunTimeError &) {
        return false;
    }
}

QByteArray contentsOf(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    QByteArray bytes(static_cast<qsizetype>(::lseek(fd, 0, SEEK_END)), Qt::Uninitialized);
    if (::pread(fd, bytes.data(), static_cast<size_t>(bytes.size()), 0) != bytes.size())
        finding("cannot read the file back");
    ::close(fd);
    return bytes;
}

void appendOne(const QByteArray &path, const QStringList &lines, const QString &loaded)
{
    const bool adult = lines.size() == 2;
    Entries before;
    const bool loadedBefore = load(path, before);
    const QByteArray bytesBefore = contentsOf(path);
    ScriptedServices services;
    const bool added = WordFileAppender(services, path).append(lines);
    if (added != (loadedBefore && before.count[adult] < WordFileFormat::MaxEntriesPerLevel))
        finding("an append accepted or refused against the rules");
    if (!added) {
        if (services.messages.size() != 1)
            finding("a refusal the player is not told");
        if (contentsOf(path) != bytesBefore)
            finding("a refused append changed the file");
        return;
    }
    Entries after;
    if (!load(path, after))
        finding("the file does not load after an append");
    if (after.list != before.list + QStringList{loaded})
        finding("an append changed the entries that were there");
}

// The word file, in a folder of its own that goes when the fuzzer ends; in memory (tmpfs) where
// the system has it, as flushing to a disk would only slow the fuzzer down.
const QByteArray &wordFile()
{
    static const QByteArray path = [] {
        char shared[] = "/dev/shm/quillow-fuzz-XXXXXX";
        char temporary[] = "/tmp/quillow-fuzz-XXXXXX";
        const char *folder = ::mkdtemp(shared);
        static const QByteArray made = folder ? folder : ::mkdtemp(temporary);
        std::atexit([] {
            ::unlink((made + "/Dictionary.txt").constData());
            ::rmdir(made.constData());
        });
        return made + "/Dictionary.txt";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray &path = wordFile();
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool written = fd >= 0 && ::write(fd, data, size) == static_cast<ssize_t>(size);
    ::close(fd);
    if (!written)
        return 0;
    appendOne(path, {QStringLiteral("*Owl"), QStringLiteral("A bird")},
              QStringLiteral("1|Owl|A bird"));
    appendOne(path, {QStringLiteral("Newt")}, QStringLiteral("0|Newt|"));
    return 0;
}
