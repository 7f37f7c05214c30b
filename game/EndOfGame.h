#pragma once

#include <QString>

class CSecretWord;

// How a game ends: the rules and the words of the message box.
namespace EndOfGame {

// The figure's last stage: the miss that draws it loses the game.
constexpr qint16 LosingMisses = 6;

// "The word is: <word>." and, at the adult level (1), the definition too.
QString prompt(const CSecretWord &word, qint16 level);
QString lossTitle(const QString &playerName);
QString winTitle(const QString &playerName);

} // namespace EndOfGame
