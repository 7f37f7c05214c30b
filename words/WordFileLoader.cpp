#include "WordFileLoader.h"

#include "Characters.h"
#include "ILineReader.h"
#include "RunTimeError.h"
#include "WordFileFormat.h"

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

std::optional<RunTimeError> WordFileLoader::resume(Sink &sink)
{
    try {
        for (;;) {
            switch (m_step) {
            case Step::Open:
                m_reader.open();
                m_step = Step::TestEnd;
                break;
            case Step::TestEnd:
                m_step = m_reader.atEnd() ? Step::Close : Step::ReadWord;
                break;
            case Step::ReadWord:
                readWord(sink);
                break;
            case Step::ReadDefinition:
                // Read whatever it holds, even at the end of the file.
                m_entry.definition = m_reader.readLine();
                hand(sink);
                break;
            case Step::Close:
                m_reader.close();
                m_step = Step::Done;
                break;
            case Step::Done:
                return std::nullopt;
            }
        }
    } catch (RunTimeError &error) {
        error.setPlace(m_reader.path(), m_reader.lineNumber());
        return error;
    }
}

void WordFileLoader::load(Sink &sink)
{
    if (const std::optional<RunTimeError> error = resume(sink))
        throw *error;
}

void WordFileLoader::readWord(Sink &sink)
{
    const QString line = m_reader.readLine();
    m_entry = WordFileEntry();
    m_entry.line = m_reader.lineNumber();
    const bool adult = line.startsWith(WordFileFormat::AdultMarker);
    m_entry.level = adult ? WordFileFormat::AdultLevel : WordFileFormat::ChildLevel;
    m_entry.word = adult ? line.mid(1) : line;
    if (!Characters::moreThan(m_entry.word, WordFileFormat::MaxWordLength))
        m_entry.slot = nextSlot(adult ? m_adultCount : m_childCount);
    if (adult)
        m_step = Step::ReadDefinition;
    else
        hand(sink);
}

void WordFileLoader::hand(Sink &sink)
{
    m_step = Step::TestEnd;
    if (m_entry.slot > 0)
        sink.entryLoaded(m_entry);
    else
        sink.entrySkipped(m_entry);
}
