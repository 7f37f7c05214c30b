#include "EndOfGame.h"

#include "CSecretWord.h"
#include "WordFileFormat.h"

QString EndOfGame::prompt(const CSecretWord &word, qint16 level)
{
    QString text = QStringLiteral("The word is: ") + word.Word();
    if (level == WordFileFormat::AdultLevel)
        text += QStringLiteral(" and the definition is: ") + word.Definition() + u'.';
    else
        text += u'.';
    return text;
}

QString EndOfGame::lossTitle(const QString &playerName)
{
    return QStringLiteral("You are a Loser ") + playerName + u'!';
}

QString EndOfGame::winTitle(const QString &playerName)
{
    return QStringLiteral("Congratulations! You Won ") + playerName + u'!';
}
