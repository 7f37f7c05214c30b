#pragma once

#include <QString>

#include <functional>

class ILineReader;
class RunTimeError;

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
// Errors: a step of the reader that fails goes to the error handler, which either returns (the
// step is carried out again) or throws; a file that ends right after a "*" line raises 62, a
// 1001st entry of a level raises 9. A RunTimeError leaving load() carries the file and the line
// where reading stopped.
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
    using ErrorHandler = std::function<void(const RunTimeError &)>;

    WordFileLoader(ILineReader &reader, ErrorHandler onError);

    // The error handler that carries out no step again: the error stops the load.
    static void stopAtError(const RunTimeError &error);

    void load(Sink &sink);

    // What an error that stopped a load means for the word file, as a sentence without its full
    // stop: why 62 and 9 stop the game, or the system's reason why the file could not be read.
    static QString explain(const RunTimeError &error);

private:
    int nextSlot(int &count) const;

    ILineReader &m_reader;
    ErrorHandler m_onError;
};
