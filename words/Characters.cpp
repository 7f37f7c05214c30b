#include "Characters.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// Where the first n characters of the text end when more follow them, or -1. A boundary finder
// reads all it is given first, so it is given a start of the text that may hold them, then one
// twice as long, until they fit or the text ends.
qsizetype endOfFirst(const QString &text, qsizetype n)
{
    Q_ASSERT(n > 0);
    for (qsizetype length = 4 * (n + 1);; length *= 2) {
        const QStringView start = QStringView(text).left(length);
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, start.data(), start.size());
        qsizetype count = 0;
        qsizetype end = 0;
        while ((end = finder.toNextBoundary()) != -1)
            if (++count == n) {
                // Before the end of what the finder was given, a boundary is one of the text.
                if (end < start.size())
                    return end;
                break;
            }
        if (start.size() == text.size())
            return -1;
    }
}

} // namespace

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
    return text.size() > limit && endOfFirst(text, limit) >= 0;
}

bool Characters::hasControl(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString Characters::left(const QString &text, qsizetype n)
{
    const qsizetype end = endOfFirst(text, n);
    return end < 0 ? text : text.left(end);
}
