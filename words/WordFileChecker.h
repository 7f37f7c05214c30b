#pragma once

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

    static Report check(const QString &path);
};
