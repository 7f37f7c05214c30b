#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class FileCalls;
class IPlatformServices;
class RegularFile;

// Appends entries to the word file so that it holds, at every instant and whatever fails, either
// what it held or that and the whole entry (see AtomicAppend). The file is locked (an advisory
// lock, so two copies of the game take turns), read as it is now, and checked again just before
// the entry takes its place: when another program wrote to it meanwhile, the add starts again
// from the file as it then is. A last line without its terminator is ended first, so the new entry
// does not run into it. A missing file is created. An entry is refused, with nothing written, when
// its level already holds the most words a level can have, when the file could not be loaded as
// it is, or when it would grow past the largest word file the game reads: after every append the
// file loads.
//
// Failures are told to the player, always with the lock released first: a missing folder (76)
// with the word file's not-found message, a drive that is not ready (71) with the Retry or Cancel
// question, after which the add starts again; anything else (no permission, a full disk, an I/O
// error) as "The word could not be added: <the system's reason>.".
class WordFileAppender
{
public:
    // calls, when given, stand in for the system calls that change the file.
    WordFileAppender(IPlatformServices &services, QByteArray path, FileCalls *calls = nullptr);

    // Writes the lines, each ended by CR LF, in the system's 8-bit encoding. True when the entry
    // is on the disk; false when the player has been told why not.
    bool append(const QStringList &lines);

private:
    struct Refusal
    {
        QString text;
        QString title;
    };

    // One add, from opening the file to the entry on the disk; every handle and the lock are
    // released when it returns or throws.
    std::optional<Refusal> addOnce(const QStringList &lines);
    RegularFile openLocked(bool &created);
    std::optional<Refusal> refusalFor(const QStringList &lines, const QByteArray &contents) const;

    IPlatformServices &m_services;
    QByteArray m_path;
    FileCalls &m_calls;
};
