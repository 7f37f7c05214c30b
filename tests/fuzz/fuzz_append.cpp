// libFuzzer target: arbitrary bytes as the word file on the disk, then an adult and a child
// entry added to it. An append either succeeds, and the file then loads with every old entry and
// the new one after them, or is refused with a message and leaves the file byte for byte as it
// was: a full level, or a file that did not load before. No fsync: the round trip is the point,
// not the disk.

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
#include <sys/mman.h>
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

QByteArray contentsOf(int fd)
{
    QByteArray bytes(static_cast<qsizetype>(::lseek(fd, 0, SEEK_END)), Qt::Uninitialized);
    if (::pread(fd, bytes.data(), static_cast<size_t>(bytes.size()), 0) != bytes.size())
        finding("cannot read the file back");
    return bytes;
}

void appendOne(const QByteArray &path, int fd, const QStringList &lines, const QString &loaded)
{
    const bool adult = lines.size() == 2;
    Entries before;
    const bool loadedBefore = load(path, before);
    const QByteArray bytesBefore = contentsOf(fd);
    ScriptedServices services;
    WordFileAppender::SystemCalls calls = WordFileAppender::posixCalls();
    calls.fsync = [](int) { return 0; };
    const bool added = WordFileAppender(services, path, calls).append(lines);
    if (added != (loadedBefore && before.count[adult] < WordFileFormat::MaxEntriesPerLevel))
        finding("an append accepted or refused against the rules");
    if (!added) {
        if (services.messages.size() != 1)
            finding("a refusal the player is not told");
        if (contentsOf(fd) != bytesBefore)
            finding("a refused append changed the file");
        return;
    }
    Entries after;
    if (!load(path, after))
        finding("the file does not load after an append");
    if (after.list != before.list + QStringList{loaded})
        finding("an append changed the entries that were there");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const int fd = memfd_create("Dictionary.txt", 0);
    static const QByteArray path = "/proc/self/fd/" + QByteArray::number(fd);
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        return 0;
    appendOne(path, fd, {QStringLiteral("*Owl"), QStringLiteral("A bird")},
              QStringLiteral("1|Owl|A bird"));
    appendOne(path, fd, {QStringLiteral("Newt")}, QStringLiteral("0|Newt|"));
    return 0;
}
