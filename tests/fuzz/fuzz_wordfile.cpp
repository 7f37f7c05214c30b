// libFuzzer target: arbitrary bytes as the word file, read from memory. Every input must end in
// a loaded dictionary whose words fit the board, or in one of the two errors a file's content
// can cause, never a crash, a hang, a message box or a leak.

#include "CDicitionaryInterface.h"
#include "CSecretWord.h"
#include "MemoryLineReader.h"
#include "ProgramEnd.h"
#include "RunTimeError.h"
#include "ScriptedServices.h"
#include "WordFileFormat.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void finding(const char *what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MemoryLineReader reader(
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    ScriptedServices services;
    try {
        CDicitionaryInterface dictionary(services, reader, [] { return 0.999f; });
        for (qint16 level : {WordFileFormat::ChildLevel, WordFileFormat::AdultLevel}) {
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
    return 0;
}
