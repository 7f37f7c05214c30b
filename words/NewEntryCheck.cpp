#include "NewEntryCheck.h"

#include "WordFileFormat.h"

namespace {

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

EntryRefusal refusal(const char *text, const char *title, EntryRefusal::Field field)
{
    return {QString::fromUtf8(text), QString::fromUtf8(title), field};
}

} // namespace

std::optional<EntryRefusal> checkNewEntry(const QString &word, const QString &definition,
                                          qint16 level)
{
    using Field = EntryRefusal::Field;
    const bool adult = level == WordFileFormat::AdultLevel;
    const char *oneLine = "The word and its definition must each fit on one line.";
    if (word.isEmpty())
        return refusal("Please enter a word to insert in the dictionary.",
                       "Word needed to continue", Field::Word);
    if (hasLineBreak(word))
        return refusal(oneLine, "Word not accepted", Field::Word);
    if (adult && hasLineBreak(definition))
        return refusal(oneLine, "Word not accepted", Field::Definition);
    if (word.size() > WordFileFormat::MaxWordLength)
        return refusal("A word can have at most 13 characters.", "Word too long", Field::Word);
    if (!adult && word.startsWith(WordFileFormat::AdultMarker))
        return refusal("A child word cannot begin with \"*\".", "Word not accepted", Field::Word);
    if (adult && definition.isEmpty())
        return refusal("Please enter a definition to insert in the dictionary.",
                       "Definition needed to continue", Field::Definition);
    return std::nullopt;
}
