#pragma once

#include "RunTimeError.h"

#include <QString>

#include <optional>

class ILineReader;

// One entry of the word file as the loader met it.
struct WordFileEntry
{
    qint16 level = 0;
    int slot = 0; // 1 to 1000 within its level; 0 for a skipped entry
    QString word;
    QString definition; // empty for a child entry
    int line = 0;       // the line that holds the word, counted from 1
};

// Reads a whole word file and hands out its entries in file order, counted per level. Entries
// whose word is longer than the board can show are passed to entrySkipped and not counted.
// Errors: a step of the reader that fails (opening the file, a line) stops the load with the
// reader's error, and resume() carries out that step again; a file that ends right after a "*"
// line raises 62, a 1001st entry of a level raises 9, and those end the load. An error carries
// the file and the line where reading stopped.
class WordFileLoader
{
public:
    class Sink
    {
    public:
        virtual ~Sink() = default;
        virtual void entryLoaded(const WordFileEntry &entry) = 0;
        virtual void entrySkipped(const WordFileEntry &) {}
    };

    explicit WordFileLoader(ILineReader &reader) : m_reader(reader) {}

    // Reads from where the last call stopped, beginning with the step that failed: nothing once
    // the file has been read to its end and closed, or the error that stopped it.
    std::optional<RunTimeError> resume(Sink &sink);
    // Reads it all, for a caller that carries out no step again: an error is thrown.
    void load(Sink &sink);

    // What an error that stopped a load means for the word file, as a sentence without its full
    // stop: why 62 and 9 stop the game, or the system's reason why the file could not be read.
    static QString explain(const RunTimeError &error);

private:
    enum class Step { Open, TestEnd, ReadWord, ReadDefinition, Close, Done };

    void readWord(Sink &sink);
    void hand(Sink &sink);
    int nextSlot(int &count) const;

    ILineReader &m_reader;
    Step m_step = Step::Open;
    WordFileEntry m_entry; // an adult word whose definition is still to be read
    int m_adultCount = 0;
    int m_childCount = 0;
};
