#pragma once

#include <QString>

#include <optional>

// Why a new entry for the word file is refused, and which box the player should correct.
struct EntryRefusal
{
    enum class Field { Word, Definition };
    QString text;
    QString title;
    Field field = Field::Word;
};

// Checks a word and its definition before they are appended at the given level (1 adult, any
// other value child), in this order: an empty word; a line break in the word, or in the
// definition of an adult entry; another control character in either; a word of more characters
// than the board's 13 slots; a child word beginning with "*" (it would be read back as an adult
// entry); an adult entry without a definition.
// Everything else, blanks included, is written exactly as typed.
std::optional<EntryRefusal> checkNewEntry(const QString &word, const QString &definition,
                                          qint16 level);
