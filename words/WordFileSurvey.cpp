#include "WordFileSurvey.h"

#include "Characters.h"
#include "MemoryLineReader.h"
#include "RunTimeError.h"
#include "Utf8Text.h"

#include <algorithm>

namespace {

bool canBePlayed(const QString &word)
{
    return !word.isEmpty() && !Characters::hasControl(word);
}

void load(MemoryLineReader &reader, WordFileSurvey &survey)
{
    try {
        WordFileLoader(reader).load(survey);
    } catch (const RunTimeError &) {
        // What was read before stays counted.
    }
}

} // namespace

WordFileSurvey WordFileSurvey::ofBytes(const QByteArray &bytes, const QByteArray &path)
{
    WordFileSurvey survey;
    survey.m_path = path;
    MemoryLineReader reader(bytes, path);
    load(reader, survey);
    survey.findCause(bytes);
    return survey;
}

void WordFileSurvey::entryLoaded(const WordFileEntry &entry)
{
    ++m_loaded;
    if (canBePlayed(entry.word))
        ++m_playable[entry.level == WordFileFormat::AdultLevel];
}

void WordFileSurvey::entrySkipped(const WordFileEntry &)
{
    ++m_skipped;
}

void WordFileSurvey::findCause(const QByteArray &bytes)
{
    // The byte-order mark that Windows Notepad writes first in a "Unicode" file.
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (bytes.isEmpty() || bytes == WordFileFormat::ByteOrderMark)
        m_cause = QStringLiteral("The file is empty. Add words with ADD WORD TO DICTIONARY, or "
                                 "write them into it, one word a line.");
    else if (utf16)
        m_cause = QStringLiteral("The file is saved as UTF-16 (\"Unicode\" in Windows Notepad), "
                                 "but the game reads UTF-8. Save it as UTF-8.");
    else if (bytes.contains(WordFileFormat::LF) && !bytes.contains(WordFileFormat::CR))
        m_cause = QStringLiteral("Its lines end with a line feed alone, as most Linux editors "
                                 "save them, but the game needs Windows line ends (CR LF). Save "
                                 "it with Windows line ends, for example with unix2dos.");
    else if (m_loaded == 0 && m_skipped > 0)
        m_cause = QStringLiteral("Every word in it has more than %1 characters, so the game skips "
                                 "them all.")
                      .arg(WordFileFormat::MaxWordLength);
    else
        m_cause = QStringLiteral("Its words are empty, or hold characters that cannot be seen. "
                                 "quillow-check-words shows them line by line.");
}

QString WordFileSurvey::startWarning() const
{
    if (!nothingToPlay())
        return {};
    return QStringLiteral("The word file holds no word that can be played: every game would "
                          "have an empty word.\n\n%1\n\nFile: %2")
        .arg(m_cause, Utf8Text::shown(m_path));
}

QString WordFileSurvey::levelWarning(qint16 level) const
{
    if (nothingToPlay() || playable(level) > 0)
        return {};
    return QStringLiteral("The word file holds no %1 word that can be played: %2 game has an "
                          "empty word. Add %1 words with ADD WORD TO DICTIONARY.")
        .arg(WordFileFormat::levelName(level), WordFileFormat::levelNameWithArticle(level));
}
