#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Reads a word file with the game's own loader and lists what would trouble a player: entries
// the game skips or can never let anyone win, empty words and definitions, duplicates within a
// level, an empty level, and the errors that stop the game from starting.
class WordFileChecker
{
public:
    struct Finding
    {
        enum class Severity { Warning, Error };
        Severity severity = Severity::Warning;
        int line = 0; // 0 when the finding is about the whole file
        QString text;
    };

    struct Report
    {
        QList<Finding> findings;
        int adultWords = 0;
        int childWords = 0;
        bool hasErrors() const;
        // 0 clean, 1 warnings only, 2 errors.
        int exitStatus() const;
    };

    static Report check(const QByteArray &path);

    // The text as it may be printed on a terminal: control characters (a NUL and escape
    // sequences among them) as \xNN, invisible format characters (such as those that turn text
    // right to left, or tags) and line or paragraph separators as \uNNNN or \UNNNNNNNN, and a
    // backslash doubled, so that a word file cannot forge or hide a finding.
    static QString printable(const QString &text);
};
