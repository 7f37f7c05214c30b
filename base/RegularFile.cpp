#include "RegularFile.h"

#include "FileCalls.h"
#include "FileErrors.h"
#include "RunTimeError.h"

#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

QString kindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    return QStringLiteral("not an ordinary file");
}

RunTimeError tooLarge(qint64 limit)
{
    return RunTimeError(
        ErrorNumber::PathFileAccessError,
        QStringLiteral("The file is larger than %1, the most it may hold")
            .arg(QLocale::c().formattedDataSize(limit, 0, QLocale::DataSizeIecFormat)));
}

RunTimeError notARegularFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return fileError(EISDIR);
    return RunTimeError(ErrorNumber::PathFileAccessError,
                        QStringLiteral("Not a regular file: it is %1").arg(kindOf(mode)));
}

} // namespace

RegularFile RegularFile::open(const QByteArray &path, int flags, mode_t mode, FileCalls *calls)
{
    const char *name = path.constData();
    // O_NONBLOCK: a FIFO opens at once instead of waiting for a writer. O_NOCTTY: a terminal
    // never becomes ours.
    const int all = flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    const int fd = calls ? calls->open(name, all, mode) : ::open(name, all, mode);
    if (fd < 0) {
        const int error = errno;
        // A socket cannot be opened at all (ENXIO); say what it is rather than "not ready".
        struct stat info
        {};
        if (::stat(name, &info) == 0 && !S_ISREG(info.st_mode))
            throw notARegularFile(info.st_mode);
        throw fileError(error);
    }
    RegularFile file;
    file.m_fd = fd;
    struct stat info
    {};
    if (::fstat(fd, &info) != 0)
        throw fileError(errno);
    if (!S_ISREG(info.st_mode))
        throw notARegularFile(info.st_mode);
    // Reads and writes of a regular file may block as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return file;
}

// Closing -1 is a harmless EBADF, so a moved-from file needs no test.
RegularFile::~RegularFile()
{
    ::close(m_fd);
}

RegularFile::RegularFile(RegularFile &&other) noexcept : m_fd(std::exchange(other.m_fd, -1))
{}

RegularFile &RegularFile::operator=(RegularFile &&other) noexcept
{
    if (this != &other) {
        ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

qint64 RegularFile::size() const
{
    struct stat info
    {};
    if (::fstat(m_fd, &info) != 0)
        throw fileError(errno);
    return info.st_size;
}

bool RegularFile::isNamedBy(const QByteArray &path) const
{
    struct stat named
    {
    }, held{};
    return ::stat(path.constData(), &named) == 0 && ::fstat(m_fd, &held) == 0 &&
           named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

QByteArray RegularFile::readAll(qint64 limit) const
{
    const qint64 expected = size();
    if (expected > limit)
        throw tooLarge(limit);
    // To its end, whatever size the system gives (a file under /proc says 0), and one byte past
    // the limit at most: one more than expected tells a file that grew meanwhile.
    QByteArray bytes;
    qint64 chunk = expected + 1;
    for (;;) {
        const qsizetype had = bytes.size();
        bytes.resize(had + qsizetype(std::min(chunk, limit + 1 - had)));
        const ssize_t n = ::pread(m_fd, bytes.data() + had, size_t(bytes.size() - had), had);
        if (n < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        if (n < 0)
            throw fileError(errno);
        bytes.resize(had + n);
        if (n == 0)
            return bytes;
        if (bytes.size() > limit)
            throw tooLarge(limit);
        chunk = 64 * 1024;
    }
}
