#pragma once

#include "RandomFraction.h"
#include "WordFileFormat.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <utility>

class CSecretWord;
class ILineReader;
class IPlatformServices;

// The game's store of words: the whole word file, read once at construction into two levels, and
// a random word of a level for every game. ("Dicitionary" is the game's own spelling of its
// name, kept on purpose.)
//
// Construction reads the word file at the path it is given. When the file or its folder is
// missing, or the player cancels the disk-not-ready question, the player is told and ProgramEnd
// is thrown. Any other error while reading (62 for a "*" line at the end, 9 for a 1001st entry
// of a level) is thrown as a RunTimeError with its number, file and line.
class CDicitionaryInterface
{
public:
    CDicitionaryInterface(IPlatformServices &services, const QByteArray &path);
    // Reads through the given reader. draw, when given, stands in for the generator.
    CDicitionaryInterface(IPlatformServices &services, ILineReader &reader,
                          std::function<float()> draw = {});

    // A new secret word of level 1 (adult, with its definition) or of any other level (child,
    // with an empty definition). An empty level gives an empty word.
    std::shared_ptr<CSecretWord> getWord(qint16 level);

    // The bytes the word file held when it was read (once: they are handed over).
    QByteArray takeFileBytes() { return std::exchange(m_fileBytes, {}); }

    // The slot, 1 to n, that a draw r in [0, 1) picks among n entries; 1 when n is 0.
    static int slotForDraw(float r, qint16 n);

private:
    class ListFiller;
    void load(IPlatformServices &services, ILineReader &reader);

    static constexpr int kSlots = WordFileFormat::MaxEntriesPerLevel + 1; // slot 0 is unused
    std::array<QString, kSlots> adultWords;
    std::array<QString, kSlots> childWords;
    std::array<QString, kSlots> adultDefinitions;
    qint16 adultCount = 0;
    qint16 childCount = 0;

    RandomFraction m_random;
    std::function<float()> m_draw;
    QByteArray m_fileBytes;
};
