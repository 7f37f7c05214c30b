#pragma once

#include "WordFileFormat.h"
#include "WordFileLoader.h"

#include <QByteArray>
#include <QString>

// What a word file gives a player to play: the words of each level that can be played (not empty
// and free of control characters, which only a file read in the wrong format holds) and, when
// there are none, the likely cause as far as the file's bytes show it, with how to mend it.
class WordFileSurvey : public WordFileLoader::Sink
{
public:
    // The word file at path, from the bytes read of it; what does not load is surveyed as far as
    // it does.
    static WordFileSurvey ofBytes(const QByteArray &bytes, const QByteArray &path);

    void entryLoaded(const WordFileEntry &entry) override;
    void entrySkipped(const WordFileEntry &entry) override;

    int playable(qint16 level) const { return m_playable[level == WordFileFormat::AdultLevel]; }
    bool nothingToPlay() const { return m_playable[0] + m_playable[1] == 0; }
    // Why no word can be played and how to mend it, in a sentence or two.
    QString cause() const { return m_cause; }

    // What the player is told at start when no word can be played at all; empty otherwise.
    QString startWarning() const;
    // What the player is told on choosing a level that has no word to play while the other has;
    // empty otherwise.
    QString levelWarning(qint16 level) const;

private:
    void findCause(const QByteArray &bytes);

    QByteArray m_path;
    int m_playable[2] = {0, 0}; // child, adult
    int m_loaded = 0;
    int m_skipped = 0;
    QString m_cause;
};
