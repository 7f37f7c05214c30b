#include "WordFileChecker.h"

#include "RunTimeError.h"
#include "TextFileReader.h"
#include "Utf8Text.h"
#include "WordFileFormat.h"
#include "WordFileLoader.h"

#include <QHash>

namespace {

using Finding = WordFileChecker::Finding;

QString levelName(qint16 level)
{
    return level == WordFileFormat::AdultLevel ? QStringLiteral("adult") : QStringLiteral("child");
}

// How a character that no letter button carries is shown in a finding.
QString shown(QChar c)
{
    switch (c.unicode()) {
    case u' ':
        return QStringLiteral("a space");
    case u'\n':
        return QStringLiteral("a line feed");
    case u'\t':
        return QStringLiteral("a tab");
    default:
        return u'"' + WordFileChecker::printable(QString(c)) + u'"';
    }
}

// A word as a finding quotes it: in quotes, with what a terminal would act on escaped, and a
// very long one cut short.
QString quoted(const QString &word)
{
    constexpr qsizetype kLongest = 60;
    if (word.size() <= kLongest)
        return u'"' + WordFileChecker::printable(word) + u'"';
    return QStringLiteral("\"%1...\" (%2 characters)")
        .arg(WordFileChecker::printable(word.first(kLongest)), QString::number(word.size()));
}

class Collector : public WordFileLoader::Sink
{
public:
    explicit Collector(WordFileChecker::Report &report) : m_report(report) {}

    void entryLoaded(const WordFileEntry &entry) override
    {
        const bool adult = entry.level == WordFileFormat::AdultLevel;
        (adult ? m_report.adultWords : m_report.childWords)++;
        if (entry.word.isEmpty()) {
            warn(entry.line, QStringLiteral("an empty %1 word").arg(levelName(entry.level)));
        } else {
            QStringList unguessable;
            for (QChar c : entry.word) {
                const QChar upper = c.toUpper();
                if ((upper < u'A' || upper > u'Z') && !unguessable.contains(shown(c)))
                    unguessable << shown(c);
            }
            if (!unguessable.isEmpty())
                warn(entry.line, QStringLiteral("%1 has %2, which no letter button can guess: "
                                                "a game of it can only be lost")
                                     .arg(quoted(entry.word), unguessable.join(u", ")));
            auto &seen = adult ? m_adultSeen : m_childSeen;
            const QString key = entry.word.toUpper();
            if (seen.contains(key))
                warn(entry.line,
                     QStringLiteral("%1 is already %2 word at line %3")
                         .arg(quoted(entry.word),
                              adult ? QStringLiteral("an adult") : QStringLiteral("a child"),
                              QString::number(seen.value(key))));
            else
                seen.insert(key, entry.line);
        }
        if (adult && entry.definition.isEmpty()) // the definition stands on the next line
            warn(entry.line + 1, QStringLiteral("the adult word %1 has an empty definition")
                                     .arg(quoted(entry.word)));
    }

    void entrySkipped(const WordFileEntry &entry) override
    {
        warn(entry.line,
             QStringLiteral("%1 has more than %2 characters: the game skips it")
                 .arg(quoted(entry.word), QString::number(WordFileFormat::MaxWordLength)));
    }

private:
    void warn(int line, const QString &text)
    {
        m_report.findings.append({Finding::Severity::Warning, line, text});
    }

    WordFileChecker::Report &m_report;
    QHash<QString, int> m_adultSeen;
    QHash<QString, int> m_childSeen;
};

// A load error as a finding: where reading stopped, what it means, and that the game will not
// start; or, when the file could not be read at all, why not.
Finding loadError(const RunTimeError &error, const QByteArray &path)
{
    const bool opening = error.lineNumber() == 0 &&
                         error.number() != ErrorNumber::InputPastEndOfFile &&
                         error.number() != ErrorNumber::SubscriptOutOfRange;
    QString why = WordFileLoader::explain(error);
    if (opening)
        return {Finding::Severity::Error, 0,
                QStringLiteral("cannot read %1: %2")
                    .arg(WordFileChecker::printable(Utf8Text::shown(path)), why)};
    why[0] = why[0].toLower();
    return {Finding::Severity::Error, error.lineNumber(),
            why + QStringLiteral(": the game will not start")};
}

} // namespace

QString WordFileChecker::printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += QStringLiteral("\\\\");
        else if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QChar(u'0'));
        else if (c.category() == QChar::Other_Format)
            out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QChar(u'0'));
        else
            out += c;
    }
    return out;
}

bool WordFileChecker::Report::hasErrors() const
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding &f) { return f.severity == Finding::Severity::Error; });
}

int WordFileChecker::Report::exitStatus() const
{
    return hasErrors() ? 2 : findings.isEmpty() ? 0 : 1;
}

WordFileChecker::Report WordFileChecker::check(const QByteArray &path)
{
    Report report;
    TextFileReader reader(path);
    WordFileLoader loader(reader, [](const RunTimeError &error) { throw error; });
    Collector collector(report);
    try {
        loader.load(collector);
    } catch (const RunTimeError &error) {
        report.findings.append(loadError(error, path));
        return report;
    }
    if (report.adultWords == 0)
        report.findings.append({Finding::Severity::Warning, 0,
                                QStringLiteral("no adult words: an adult game has an empty word")});
    if (report.childWords == 0)
        report.findings.append({Finding::Severity::Warning, 0,
                                QStringLiteral("no child words: a child game has an empty word")});
    return report;
}
