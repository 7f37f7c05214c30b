#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <sys/types.h>

class IPlatformServices;
class RegularFile;

// Appends entries to the word file without ever leaving it damaged. The file is locked (an
// advisory lock, so two copies of the game take turns), read as it is now, and the entry is
// written in one go at its end and flushed to the disk; when writing fails part-way, the file is
// cut back to its old length, so it holds either the whole entry or exactly what it held before.
// A last line without its terminator is ended first, so the new entry does not run into it. A
// missing file is created. An entry is refused, with nothing written, when its level already
// holds the most words a level can have, when the file could not be loaded as it is, or when it
// would grow past the largest word file the game reads: after every append the file loads.
//
// Failures are told to the player: a missing folder (76) with the word file's not-found
// message, a drive that is not ready (71) with the Retry or Cancel question, which carries out
// the failed step again as often as asked; anything else (no permission, a full disk, an I/O
// error) as "The word could not be added: <the system's reason>.".
class WordFileAppender
{
public:
    // The system calls that touch the file; tests stand in failures that a real disk gives
    // only rarely (no medium in the drive, an I/O error part-way through a write).
    struct SystemCalls
    {
        std::function<int(const char *path, int flags, mode_t mode)> openFile;
        std::function<ssize_t(int fd, const void *data, size_t size, off_t offset)> pwrite;
        std::function<int(int fd)> fsync;
    };
    static SystemCalls posixCalls();

    WordFileAppender(IPlatformServices &services, QByteArray path,
                     SystemCalls calls = posixCalls());

    // Writes the lines, each ended by CR LF, in the system's 8-bit encoding. True when the entry
    // is on the disk; false when the player has been told why not.
    bool append(const QStringList &lines);

private:
    bool roomFor(const QStringList &lines, const QByteArray &contents, qsizetype added);
    void writeAt(const RegularFile &file, const QByteArray &bytes, off_t end);

    IPlatformServices &m_services;
    QByteArray m_path;
    SystemCalls m_calls;
};
