#pragma once

#include <QString>

// What a screen reader says after each step of a game, so that a player who cannot see the
// window hears what a sighted player sees: the letter guessed and whether the word holds it, the
// word as the board shows it ("B, blank, E, E") and the misses of six.
namespace SpokenNews {

// board: the word as the board shows it (WordBoard::spokenText).
QString hit(const QString &letter, const QString &board, qint16 misses);
QString miss(const QString &letter, const QString &board, qint16 misses);
QString newWord(const QString &board, int letters);
QString added(const QString &word, const QString &board);
// "1 of 6 misses".
QString misses(qint16 misses);

} // namespace SpokenNews
