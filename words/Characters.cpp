#include "Characters.h"

#include <QTextBoundaryFinder>

QStringList Characters::of(const QString &text)
{
    QStringList characters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end; (end = finder.toNextBoundary()) != -1; start = end)
        characters << text.mid(start, end - start);
    return characters;
}

qsizetype Characters::count(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype n = 0;
    while (finder.toNextBoundary() != -1)
        ++n;
    return n;
}

bool Characters::moreThan(const QString &text, qsizetype limit)
{
    constexpr qsizetype kLongestCharacter = 32;
    if (text.size() <= limit)
        return false;
    return text.size() > limit * kLongestCharacter || count(text) > limit;
}
