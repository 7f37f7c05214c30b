#include "WordFileAppender.h"

#include "FileErrorPrompt.h"
#include "FileErrors.h"
#include "IPlatformServices.h"
#include "RunTimeError.h"
#include "WordFileFormat.h"

#include <QByteArray>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the file whenever the append ends, on every path.
class FileHandle
{
public:
    ~FileHandle()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd = -1;
};

// Whether the file's last line still needs its terminator. Only CR ends a line in the word file
// (a line feed alone is part of the line), so it does unless the file ends in CR or CR LF. A
// file of nothing but a byte-order mark holds no line at all.
bool lastLineUnterminated(int fd)
{
    struct stat info
    {};
    if (::fstat(fd, &info) != 0 || info.st_size == 0)
        return false;
    char tail[3] = {0, 0, 0};
    const off_t from = info.st_size >= 3 ? info.st_size - 3 : 0;
    const ssize_t got = ::pread(fd, tail, sizeof tail, from);
    if (got <= 0)
        return true;
    if (info.st_size == 3 && QByteArray(tail, 3) == WordFileFormat::ByteOrderMark)
        return false;
    const char last = tail[got - 1];
    const char beforeLast = got >= 2 ? tail[got - 2] : 0;
    using WordFileFormat::CR, WordFileFormat::LF;
    return !(last == CR || (last == LF && beforeLast == CR));
}

QByteArray entryBytes(const QStringList &lines, int fd)
{
    QByteArray bytes;
    if (lastLineUnterminated(fd))
        bytes += WordFileFormat::LineEnd;
    for (const QString &line : lines)
        bytes += line.toLocal8Bit() + WordFileFormat::LineEnd;
    return bytes;
}

} // namespace

WordFileAppender::SystemCalls WordFileAppender::posixCalls()
{
    return {[](const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); },
            ::pwrite, ::fsync};
}

WordFileAppender::WordFileAppender(IPlatformServices &services, QString path, SystemCalls calls)
    : m_services(services), m_path(std::move(path)), m_calls(std::move(calls))
{}

bool WordFileAppender::append(const QStringList &lines)
{
    FileHandle file;
    off_t oldSize = 0;

    // Carries out one step; on failure asks the player and returns whether to go on.
    auto attempt = [&](auto step) {
        for (;;) {
            try {
                step();
                return true;
            } catch (const RunTimeError &error) {
                switch (FileErrorPrompt::ask(m_services, error)) {
                case FileErrorPrompt::Outcome::Retry:
                    continue;
                case FileErrorPrompt::Outcome::GiveUp:
                    return false;
                case FileErrorPrompt::Outcome::PassOn:
                    m_services.showMessage(
                        QStringLiteral("The word could not be added: %1.").arg(error.detail()),
                        QStringLiteral("Error"), MessageBoxFlags::OkOnly);
                    return false;
                }
            }
        }
    };

    const bool opened = attempt([&] {
        const QByteArray name = m_path.toLocal8Bit();
        file.fd = m_calls.open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (file.fd < 0)
            throw fileError(errno, m_path);
        struct stat info
        {};
        if (::fstat(file.fd, &info) != 0)
            throw fileError(errno, m_path);
        if (S_ISDIR(info.st_mode))
            throw fileError(EISDIR, m_path);
        oldSize = info.st_size;
    });
    if (!opened)
        return false;

    const QByteArray bytes = entryBytes(lines, file.fd);
    return attempt([&] {
        qsizetype written = 0;
        int error = 0;
        while (written < bytes.size()) {
            const ssize_t n = m_calls.pwrite(file.fd, bytes.constData() + written,
                                             static_cast<size_t>(bytes.size() - written),
                                             oldSize + static_cast<off_t>(written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                error = n < 0 ? errno : ENOSPC;
                break;
            }
            written += n;
        }
        if (error == 0 && m_calls.fsync(file.fd) != 0)
            error = errno;
        if (error != 0) {
            // Leave no part of the entry behind.
            if (::ftruncate(file.fd, oldSize) == 0)
                ::fsync(file.fd);
            throw fileError(error, m_path);
        }
    });
}
