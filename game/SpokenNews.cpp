#include "SpokenNews.h"

#include "GuessRules.h"

QString SpokenNews::misses(qint16 misses)
{
    return QStringLiteral("%1 of %2 misses")
        .arg(QString::number(misses), QString::number(GuessRules::LosingMisses));
}

QString SpokenNews::hit(const QString &letter, const QString &board, qint16 misses)
{
    return QStringLiteral("%1 is in the word: %2. %3.")
        .arg(letter, board, SpokenNews::misses(misses));
}

QString SpokenNews::miss(const QString &letter, const QString &board, qint16 misses)
{
    return QStringLiteral("%1 is not in the word: %2. %3.")
        .arg(letter, SpokenNews::misses(misses), board);
}

QString SpokenNews::newWord(const QString &board, int letters)
{
    return QStringLiteral("A new word of %1 letter%2: %3.")
        .arg(QString::number(letters), letters == 1 ? QString() : QStringLiteral("s"), board);
}

QString SpokenNews::added(const QString &word, const QString &board)
{
    return QStringLiteral("%1 added to the dictionary. The word: %2.").arg(word, board);
}
