#pragma once

#include "RandomFraction.h"
#include "RunTimeError.h"
#include "WordFileFormat.h"
#include "WordFileLoader.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class CSecretWord;
class ILineReader;
class TextFileReader;

// The game's store of words: the whole word file, read into two levels, and a random word of a
// level for every game. ("Dicitionary" is the game's own spelling of its name, kept on purpose.)
//
// load() reads the word file at the path it is given. When a step of reading fails it returns
// the error (53 or 76: the file or its folder is missing; 71: the disk is not ready; 62 for a "*"
// line at the end, 9 for a 1001st entry of a level, or another of the system's), with the file
// and the line; the caller may then call it again, which goes on with the step that failed and
// keeps the entries already read. The generator is seeded once the whole file has been read.
class CDicitionaryInterface : private WordFileLoader::Sink
{
public:
    explicit CDicitionaryInterface(const QByteArray &path);
    // Reads through the given reader. draw, when given, stands in for the generator.
    explicit CDicitionaryInterface(ILineReader &reader, std::function<float()> draw = {});
    ~CDicitionaryInterface() override;

    // Reads the file, or goes on reading it: nothing once all of it has been read, or the error
    // that stopped it.
    std::optional<RunTimeError> load();

    // A new secret word of level 1 (adult, with its definition) or of any other level (child,
    // with an empty definition). An empty level gives an empty word.
    std::shared_ptr<CSecretWord> getWord(qint16 level);

    // The bytes the word file held when it was read (once: they are handed over).
    QByteArray takeFileBytes() { return std::exchange(m_fileBytes, {}); }

    // The slot, 1 to n, that a draw r in [0, 1) picks among n entries; 1 when n is 0.
    static int slotForDraw(float r, qint16 n);

private:
    void entryLoaded(const WordFileEntry &entry) override;

    static constexpr int kSlots = WordFileFormat::MaxEntriesPerLevel + 1; // slot 0 is unused
    std::array<QString, kSlots> adultWords;
    std::array<QString, kSlots> childWords;
    std::array<QString, kSlots> adultDefinitions;
    qint16 adultCount = 0;
    qint16 childCount = 0;

    std::unique_ptr<TextFileReader> m_file;
    WordFileLoader m_loader;
    RandomFraction m_random;
    std::function<float()> m_draw;
    QByteArray m_fileBytes;
};
