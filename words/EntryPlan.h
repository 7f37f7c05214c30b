#pragma once

#include "NewEntryCheck.h"

#include <QByteArray>
#include <QString>

#include <variant>

// What adding an entry to the word file, as it is now, writes at its end: the entry's lines, each
// ended by CR LF, after an end for a last line that lacks one (a line feed alone does not end a
// line). Or why nothing may be added: the file does not load as it is (an entry could become
// another word's definition), the entry's level is full, the file would grow past the largest
// word file the game reads, or the entry would not read back as it was typed (an invisible
// byte-order mark before a "*" makes a child word an adult one). So after every add it allows,
// the file loads and gives back its old entries and then exactly the new one.
class EntryPlan
{
public:
    // The file's bytes as they are now; they are loaded once.
    explicit EntryPlan(QByteArray contents);

    // The bytes to add for the word (and, at the adult level, its definition), or the refusal.
    std::variant<QByteArray, EntryRefusal> bytesFor(const QString &word, const QString &definition,
                                                    qint16 level) const;

private:
    QByteArray m_contents;
    std::optional<EntryRefusal> m_unloadable;
    int m_entries[2] = {0, 0}; // per level: child, adult
};
