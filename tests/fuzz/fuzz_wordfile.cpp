// libFuzzer target: arbitrary bytes as the word file. Every input must end in a loaded
// dictionary or a numbered run-time error, never a crash, a hang or a leak. For a file that
// loads, appending an entry and reading the file again must give back every old entry and the
// new one, in order.

#include "CDicitionaryInterface.h"
#include "CSecretWord.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "ScriptedServices.h"
#include "TextFileReader.h"
#include "WordFileAppender.h"
#include "WordFileFormat.h"
#include "WordFileLoader.h"

#include <QStringList>

#include <cstdint>
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

// Loads the file; false with the error number in *number when it stops with an error.
bool load(const QString &path, Entries &entries, int *number)
{
    TextFileReader reader(path);
    WordFileLoader loader(reader, [](const RunTimeError &error) { throw error; });
    try {
        loader.load(entries);
        return true;
    } catch (const RunTimeError &error) {
        *number = error.number();
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const int fd = memfd_create("Dictionary.txt", 0);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        return 0;

    // The game's own construction and selection.
    ScriptedServices services;
    try {
        TextFileReader reader(path);
        CDicitionaryInterface dictionary(services, reader, [] { return 0.999f; });
        for (qint16 level : {qint16(0), qint16(1)}) {
            const auto word = dictionary.getWord(level);
            if (word->numLetters() > WordFileFormat::MaxWordLength)
                finding("a word longer than the board");
            for (qint16 p = 1; p <= word->numLetters() + 1; ++p)
                word->hasLetterAt(QStringLiteral("A"), p);
        }
    } catch (const RunTimeError &error) {
        if (error.number() != ErrorNumber::InputPastEndOfFile &&
            error.number() != ErrorNumber::SubscriptOutOfRange)
            finding("an error the content of a file cannot cause");
    } catch (const ProgramEnd &) {
        finding("the program ended over a file that exists");
    }
    if (!services.messages.isEmpty())
        finding("a message box over a file that exists");

    // Appending never damages what was there.
    Entries before;
    int number = 0;
    if (!load(path, before, &number) || before.count[1] >= WordFileFormat::MaxEntriesPerLevel)
        return 0;
    if (!WordFileAppender(services, path)
             .append({QStringLiteral("*Owl"), QStringLiteral("A bird")}))
        finding("append failed");
    Entries after;
    if (!load(path, after, &number))
        finding("the file does not load after an append");
    if (after.list != before.list + QStringList{QStringLiteral("1|Owl|A bird")})
        finding("an append changed the entries that were there");
    return 0;
}
