#pragma once

#include <QList>
#include <QString>

#include <memory>

class CSecretWord;

// The rules of one game, without a window: the secret word, the hits and misses counted so far,
// the positions a letter hits, and whether the game is won or lost. Counts are 16-bit, as the
// game keeps them.
class GuessRules
{
public:
    // The figure's last stage: the miss that draws it loses the game.
    static constexpr qint16 LosingMisses = 6;

    // A new game of this word, with nothing guessed yet.
    void start(std::shared_ptr<CSecretWord> word);

    // Counts a guess of the letter: a hit for each position where it stands, or one miss. Returns
    // those positions, 1 to the word's length and from left to right.
    QList<qint16> guess(const QString &letter);

    qint16 hits() const { return m_hits; }
    qint16 misses() const { return m_misses; }
    // Lost on the sixth miss; won when the hits (a letter that stands twice counts twice) equal
    // the word's length. An empty word is won by the first miss.
    bool isLost() const;
    bool isWon() const;

    bool hasWord() const { return m_word != nullptr; }
    const std::shared_ptr<CSecretWord> &word() const { return m_word; }

private:
    std::shared_ptr<CSecretWord> m_word;
    qint16 m_hits = 0;
    qint16 m_misses = 0;
};
