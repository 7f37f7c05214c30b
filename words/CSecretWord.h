#pragma once

#include <QString>
#include <QStringList>

// The word of the current game and its definition. Both are kept exactly as given; every
// character, blanks and punctuation included, is one letter position (a character as a player
// sees it: an accented letter or an emoji is one).
class CSecretWord
{
public:
    QString Word() const { return m_word; }
    void setWord(const QString &vNewValue);
    QString Definition() const { return m_definition; }
    void setDefinition(const QString &vNewValue) { m_definition = vNewValue; }

    // The number of characters in the word.
    qint32 numLetters() const;
    // Whether the character at the 1-based position equals the letter, ignoring case. A position
    // beyond the end holds the empty string; one below 1 raises run-time error 5.
    bool hasLetterAt(const QString &letter, qint16 position) const;

private:
    QString m_word;
    QStringList m_letters;
    QString m_definition;
};
