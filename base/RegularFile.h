#pragma once

#include <QByteArray>

#include <sys/types.h>

class FileCalls;

// An open regular file, closed when it goes. Opening never waits: a FIFO, socket or device is
// refused at once (error 75 with what it is) instead of waiting for a partner or reading
// forever, and so is a folder. Every file the game reads or writes is opened here, but for the
// new file an add writes beside the word file (FileCalls::createTemporary makes it).
class RegularFile
{
public:
    // Opens the path with the given flags, through calls when given; throws the file's
    // RunTimeError when it cannot.
    static RegularFile open(const QByteArray &path, int flags, mode_t mode = 0,
                            FileCalls *calls = nullptr);

    RegularFile() = default;
    ~RegularFile();
    RegularFile(RegularFile &&other) noexcept;
    RegularFile &operator=(RegularFile &&other) noexcept;
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    int fd() const { return m_fd; }
    // The size as the file is now.
    qint64 size() const;
    // Whether the path names this very file now (not another put in its place, nor nothing).
    bool isNamedBy(const QByteArray &path) const;
    // The whole file as it is now. A file larger than limit bytes is error 75 that names the
    // limit, so a huge file costs nothing.
    QByteArray readAll(qint64 limit) const;

private:
    int m_fd = -1;
};
