#include "WordFileLoader.h"

#include "Characters.h"
#include "FileErrorPrompt.h"
#include "ILineReader.h"
#include "RunTimeError.h"
#include "WordFileFormat.h"

WordFileLoader::WordFileLoader(ILineReader &reader, ErrorHandler onError)
    : m_reader(reader), m_onError(std::move(onError))
{}

void WordFileLoader::stopAtError(const RunTimeError &error)
{
    throw error;
}

int WordFileLoader::nextSlot(int &count) const
{
    ++count;
    if (count > WordFileFormat::MaxEntriesPerLevel)
        throw RunTimeError(ErrorNumber::SubscriptOutOfRange);
    return count;
}

QString WordFileLoader::explain(const RunTimeError &error)
{
    switch (error.number()) {
    case ErrorNumber::InputPastEndOfFile:
        return QStringLiteral("The last word is marked \"%1\" as an adult word, but the file ends "
                              "before its definition line")
            .arg(WordFileFormat::AdultMarker);
    case ErrorNumber::SubscriptOutOfRange:
        return QStringLiteral("A level holds more than %1 words, the most it can have")
            .arg(WordFileFormat::MaxEntriesPerLevel);
    default:
        return error.detail().isEmpty() ? error.description() : error.detail();
    }
}

void WordFileLoader::load(Sink &sink)
{
    // The handler is told the file (and the line), so that what it shows can name it.
    auto onError = [this](const RunTimeError &error) {
        RunTimeError placed = error;
        placed.setPlace(m_reader.path(), m_reader.lineNumber());
        m_onError(placed);
    };
    auto retry = [&onError](auto step) { return FileErrorPrompt::retrying(step, onError); };
    int adultCount = 0;
    int childCount = 0;
    try {
        retry([&] { m_reader.open(); });
        while (!retry([&] { return m_reader.atEnd(); })) {
            const QString line = retry([&] { return m_reader.readLine(); });
            WordFileEntry entry;
            entry.line = m_reader.lineNumber();
            if (line.startsWith(WordFileFormat::AdultMarker)) {
                entry.level = WordFileFormat::AdultLevel;
                entry.word = line.mid(1);
                if (!Characters::moreThan(entry.word, WordFileFormat::MaxWordLength))
                    entry.slot = nextSlot(adultCount);
                // The definition line is read whatever it holds, even at the end of the file.
                entry.definition = retry([&] { return m_reader.readLine(); });
            } else {
                entry.level = WordFileFormat::ChildLevel;
                entry.word = line;
                if (!Characters::moreThan(entry.word, WordFileFormat::MaxWordLength))
                    entry.slot = nextSlot(childCount);
            }
            if (entry.slot > 0)
                sink.entryLoaded(entry);
            else
                sink.entrySkipped(entry);
        }
        retry([&] { m_reader.close(); });
    } catch (RunTimeError &error) {
        error.setPlace(m_reader.path(), m_reader.lineNumber());
        throw;
    }
}
