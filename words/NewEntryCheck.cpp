#include "NewEntryCheck.h"

#include "Characters.h"
#include "WordFileFormat.h"

namespace {

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

EntryRefusal refusal(const QString &text, const char *title, EntryRefusal::Field field)
{
    return {text, QString::fromUtf8(title), field};
}

} // namespace

std::optional<EntryRefusal> checkNewEntry(const QString &word, const QString &definition,
                                          qint16 level)
{
    using Field = EntryRefusal::Field;
    const bool adult = level == WordFileFormat::AdultLevel;
    const QString oneLine =
        QStringLiteral("The word and its definition must each fit on one line.");
    if (word.isEmpty())
        return refusal(QStringLiteral("Please enter a word to insert in the dictionary."),
                       "Word needed to continue", Field::Word);
    if (hasLineBreak(word))
        return refusal(oneLine, "Word not accepted", Field::Word);
    if (adult && hasLineBreak(definition))
        return refusal(oneLine, "Word not accepted", Field::Definition);
    const QString unseen = QStringLiteral("The word and its definition cannot hold control "
                                          "characters (such as a tab or an escape), which no one "
                                          "can see.");
    if (Characters::hasControl(word))
        return refusal(unseen, "Word not accepted", Field::Word);
    if (adult && Characters::hasControl(definition))
        return refusal(unseen, "Word not accepted", Field::Definition);
    if (Characters::moreThan(word, WordFileFormat::MaxWordLength))
        return refusal(QStringLiteral("A word can have at most %1 characters.")
                           .arg(WordFileFormat::MaxWordLength),
                       "Word too long", Field::Word);
    if (!adult && word.startsWith(WordFileFormat::AdultMarker))
        return refusal(QStringLiteral("A child word cannot begin with \"%1\".")
                           .arg(WordFileFormat::AdultMarker),
                       "Word not accepted", Field::Word);
    if (adult && definition.isEmpty())
        return refusal(QStringLiteral("Please enter a definition to insert in the dictionary."),
                       "Definition needed to continue", Field::Definition);
    return std::nullopt;
}
