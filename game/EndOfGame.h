#pragma once

#include <QString>

class CSecretWord;

// The words of the message box that ends a game.
namespace EndOfGame {

// "The word is: <word>." and, at the adult level (1), the definition too.
QString prompt(const CSecretWord &word, qint16 level);
QString lossTitle(const QString &playerName);
QString winTitle(const QString &playerName);

} // namespace EndOfGame
