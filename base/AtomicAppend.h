#pragma once

#include <QByteArray>

#include <optional>

class FileCalls;
class RegularFile;

// Adds bytes at the end of a file so that it holds, at every instant and whatever fails or stops
// the program (a power cut included), either what it held or that and all the new bytes: the new
// contents go to a temporary file in the same folder, are flushed to the disk and take the
// file's place by a rename, and the folder is flushed after. The file keeps its permissions and
// owner; reached through a symbolic link, the link stays and its target is replaced.
//
// The new file keeps the old one's owner, permissions, access control list and extended
// attributes. Where that cannot be done, or a new file cannot take the old one's place (no file
// may be made in the folder, its name would be too long, the disk is too full for a second copy,
// the file has other names as hard links or is mounted on its own), the bytes are written in place
// at its end: their room is made sure of first, they go in one write, and they are cut off again
// at once when writing fails; then only a power cut during that write, or a kill while it crosses
// from one 4 KiB page of the file to the next, can leave part of them behind. A disk that fails or
// is not there, and a file-size limit the new contents would pass, end the add.
class AtomicAppend
{
public:
    enum class Result { Appended, FileChanged };

    explicit AtomicAppend(FileCalls &calls) : m_calls(calls) {}

    // The file is open for reading and writing at path, locked, and held old when it was read.
    // FileChanged, with nothing written: it no longer holds old, or path names another file now
    // (a program that asks for no lock wrote to it or replaced it). A failure throws the file's
    // RunTimeError and leaves it as it was; should even cutting it back fail, the error says that
    // the new bytes, or part of them, may be left at its end.
    Result append(const RegularFile &file, const QByteArray &path, const QByteArray &old,
                  const QByteArray &bytes);

private:
    bool stillHolds(const RegularFile &file, const QByteArray &path, const QByteArray &old) const;
    // Nothing, having changed nothing, when the file cannot be replaced as a whole.
    std::optional<Result> replace(const RegularFile &file, const QByteArray &path,
                                  const QByteArray &old, const QByteArray &bytes);
    // Nothing, to write in place after the error; an I/O error is thrown.
    static std::optional<Result> inPlaceUnless(int error);
    void appendInPlace(const RegularFile &file, const QByteArray &old, const QByteArray &bytes);
    // 0 once all of it is written from the start of the file, or the error that stopped it.
    int writeAll(int fd, const QByteArray &bytes);

    FileCalls &m_calls;
};
