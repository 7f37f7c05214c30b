#include "WordFileChecker.h"

#include "Characters.h"
#include "RunTimeError.h"
#include "TextFileReader.h"
#include "Utf8Text.h"
#include "WordFileFormat.h"
#include "WordFileLoader.h"
#include "WordFileSurvey.h"

#include <QHash>

namespace {

using Finding = WordFileChecker::Finding;

// How a character that no letter button carries is shown in a finding.
QString shown(const QString &character)
{
    if (character == u' ')
        return QStringLiteral("a space");
    if (character == u'\n')
        return QStringLiteral("a line feed");
    if (character == u'\t')
        return QStringLiteral("a tab");
    return u'"' + WordFileChecker::printable(character) + u'"';
}

bool guessable(const QString &character)
{
    const QString upper = character.toUpper();
    return upper.size() == 1 && upper.front() >= u'A' && upper.front() <= u'Z';
}

// A word as a finding quotes it: in quotes, with what a terminal would act on escaped, and a
// very long one cut short.
QString quoted(const QString &word)
{
    constexpr qsizetype kLongest = 60;
    if (!Characters::moreThan(word, kLongest))
        return u'"' + WordFileChecker::printable(word) + u'"';
    return QStringLiteral("\"%1...\" (%2 characters)")
        .arg(WordFileChecker::printable(Characters::left(word, kLongest)),
             QString::number(Characters::count(word)));
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
            warn(entry.line,
                 QStringLiteral("an empty %1 word").arg(WordFileFormat::levelName(entry.level)));
        } else {
            QStringList unguessable;
            for (const QString &character : Characters::of(entry.word))
                if (!guessable(character) && !unguessable.contains(shown(character)))
                    unguessable << shown(character);
            if (!unguessable.isEmpty())
                warn(entry.line, QStringLiteral("%1 has %2, which no letter button can guess: "
                                                "a game of it can only be lost")
                                     .arg(quoted(entry.word), unguessable.join(u", ")));
            auto &seen = adult ? m_adultSeen : m_childSeen;
            const QString key = entry.word.toUpper();
            if (seen.contains(key))
                warn(entry.line,
                     QStringLiteral("%1 is already %2 word at line %3")
                         .arg(quoted(entry.word), WordFileFormat::levelNameWithArticle(entry.level),
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
                    .arg(Utf8Text::shown(path, WordFileChecker::printable), why)};
    why[0] = why[0].toLower();
    return {Finding::Severity::Error, error.lineNumber(),
            why + QStringLiteral(": the game will not start")};
}

} // namespace

QString WordFileChecker::printable(const QString &text)
{
    QString out;
    for (const char32_t u : text.toUcs4()) { // a character beyond U+FFFF is one, not two halves
        const QChar::Category category = QChar::category(u);
        if (u == U'\\')
            out += QStringLiteral("\\\\");
        else if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QChar(u'0'));
        else if (category == QChar::Other_Format || category == QChar::Separator_Line ||
                 category == QChar::Separator_Paragraph)
            out += u > 0xffff ? QStringLiteral("\\U%1").arg(uint(u), 8, 16, QChar(u'0'))
                              : QStringLiteral("\\u%1").arg(uint(u), 4, 16, QChar(u'0'));
        else
            out += QString::fromUcs4(&u, 1);
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
    WordFileLoader loader(reader);
    Collector collector(report);
    try {
        loader.load(collector);
    } catch (const RunTimeError &error) {
        report.findings.append(loadError(error, path));
        return report;
    }
    for (const int line : reader.linesNotUtf8())
        report.findings.append({Finding::Severity::Warning, line,
                                QStringLiteral("bytes that are not UTF-8 text: the file may be "
                                               "saved in another encoding; save it as UTF-8")});
    std::stable_sort(report.findings.begin(), report.findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    const WordFileSurvey survey = WordFileSurvey::ofBytes(reader.bytes(), path);
    if (survey.nothingToPlay()) {
        report.findings.append(
            {Finding::Severity::Error, 0,
             QStringLiteral("no word in the file can be played: ") + survey.cause()});
        return report;
    }
    for (const qint16 level : {WordFileFormat::AdultLevel, WordFileFormat::ChildLevel})
        if (survey.playable(level) == 0)
            report.findings.append(
                {Finding::Severity::Warning, 0,
                 QStringLiteral("no %1 word that can be played: %2 game has an empty word")
                     .arg(WordFileFormat::levelName(level),
                          WordFileFormat::levelNameWithArticle(level))});
    return report;
}
