#include "EntryPlan.h"

#include "MemoryLineReader.h"
#include "RunTimeError.h"
#include "TextFileReader.h"
#include "WordFileFormat.h"
#include "WordFileLoader.h"

#include <QList>

namespace {

class EntryList : public WordFileLoader::Sink
{
public:
    void entryLoaded(const WordFileEntry &entry) override { entries << entry; }
    void entrySkipped(const WordFileEntry &entry) override { entries << entry; }
    QList<WordFileEntry> entries;
};

// The entries the bytes hold, read as the game reads a word file; throws its RunTimeError.
QList<WordFileEntry> load(const QByteArray &bytes)
{
    MemoryLineReader reader(bytes);
    EntryList list;
    WordFileLoader(reader).load(list);
    return list.entries;
}

// Whether the file's last line still needs its terminator. Only CR ends a line (a line feed alone
// is part of the line), so it does unless the file ends in CR or CR LF. A file of nothing but a
// byte-order mark holds no line at all.
bool lastLineUnterminated(const QByteArray &contents)
{
    if (contents.isEmpty() || contents == WordFileFormat::ByteOrderMark)
        return false;
    return !(contents.endsWith(WordFileFormat::CR) || contents.endsWith(WordFileFormat::LineEnd));
}

// Whether the entry's lines give back exactly that entry. After a file that loads they read as
// they would alone: the file's last entry is whole, and a line ends where it ends.
bool readsBackAs(const QByteArray &lines, bool adult, const QString &word,
                 const QString &definition)
{
    QList<WordFileEntry> entries;
    try {
        entries = load(lines);
    } catch (const RunTimeError &) {
        return false;
    }
    return entries.size() == 1 && entries.first().slot > 0 &&
           (entries.first().level == WordFileFormat::AdultLevel) == adult &&
           entries.first().word == word && entries.first().definition == (adult ? definition : "");
}

EntryRefusal notAdded(const QString &why, const char *title = "Error")
{
    return {QStringLiteral("The word could not be added: %1.").arg(why), QString::fromUtf8(title)};
}

} // namespace

EntryPlan::EntryPlan(QByteArray contents) : m_contents(std::move(contents))
{
    try {
        for (const WordFileEntry &entry : load(m_contents))
            m_entries[entry.level == WordFileFormat::AdultLevel] += entry.slot > 0;
    } catch (const RunTimeError &error) {
        m_unloadable =
            notAdded(QStringLiteral("the word file cannot be read as it is now "
                                    "(line %1). %2")
                         .arg(QString::number(error.lineNumber()), WordFileLoader::explain(error)));
    }
}

std::variant<QByteArray, EntryRefusal>
EntryPlan::bytesFor(const QString &word, const QString &definition, qint16 level) const
{
    if (m_unloadable)
        return *m_unloadable;
    const bool adult = level == WordFileFormat::AdultLevel;
    if (m_entries[adult] >= WordFileFormat::MaxEntriesPerLevel)
        return EntryRefusal{QStringLiteral("The dictionary already holds %1 %2 words, the most a "
                                           "level can have. The word was not added.")
                                .arg(QString::number(WordFileFormat::MaxEntriesPerLevel),
                                     WordFileFormat::levelName(level)),
                            QStringLiteral("Dictionary full")};
    const QStringList lines =
        adult ? QStringList{WordFileFormat::AdultMarker + word, definition} : QStringList{word};
    QByteArray entry;
    for (const QString &line : lines)
        entry += line.toLocal8Bit() + WordFileFormat::LineEnd;
    const QByteArray bytes =
        (lastLineUnterminated(m_contents) ? QByteArray(WordFileFormat::LineEnd) : QByteArray()) +
        entry;
    if (m_contents.size() + bytes.size() > TextFileReader::MaxFileSize)
        return notAdded(QStringLiteral("the word file would grow larger than %1 bytes, the most "
                                       "the game reads")
                            .arg(TextFileReader::MaxFileSize));
    if (!readsBackAs(entry, adult, word, definition))
        return EntryRefusal{QStringLiteral("The word would not read back from the word file as it "
                                           "was typed: an invisible character at its start (a "
                                           "byte-order mark) would be lost."),
                            QStringLiteral("Word not accepted")};
    return bytes;
}
