#include "AtomicAppend.h"

#include "FileCalls.h"
#include "FileErrors.h"
#include "RegularFile.h"
#include "RunTimeError.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct stat statusOf(const RegularFile &file)
{
    struct stat info
    {};
    if (::fstat(file.fd(), &info) != 0)
        throw fileError(errno);
    return info;
}

// A new file in a folder, removed again unless it is kept.
class TemporaryFile
{
public:
    TemporaryFile(FileCalls &calls, const QByteArray &folder)
        : m_calls(calls), m_name(folder + "/.quillow-XXXXXX")
    {
        m_fd = m_calls.createTemporary(m_name);
    }
    ~TemporaryFile()
    {
        if (m_fd < 0)
            return;
        ::close(m_fd);
        if (!m_kept)
            m_calls.unlink(m_name.constData());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    int fd() const { return m_fd; }
    const QByteArray &name() const { return m_name; }
    void keep() { m_kept = true; }

private:
    FileCalls &m_calls;
    QByteArray m_name;
    int m_fd = -1;
    bool m_kept = false;
};

} // namespace

AtomicAppend::Result AtomicAppend::append(const RegularFile &file, const QByteArray &path,
                                          const QByteArray &old, const QByteArray &bytes)
{
    // A rename would part a file from its other names.
    if (statusOf(file).st_nlink == 1)
        if (const std::optional<Result> result = replace(file, path, old, bytes))
            return *result;
    if (!stillHolds(file, path, old))
        return Result::FileChanged;
    appendInPlace(file, old, bytes);
    return Result::Appended;
}

bool AtomicAppend::stillHolds(const RegularFile &file, const QByteArray &path,
                              const QByteArray &old) const
{
    if (!file.isNamedBy(path) || file.size() != old.size())
        return false;
    try {
        return file.readAll(old.size()) == old;
    } catch (const RunTimeError &) {
        return false; // it grew while being read
    }
}

std::optional<AtomicAppend::Result> AtomicAppend::replace(const RegularFile &file,
                                                          const QByteArray &path,
                                                          const QByteArray &old,
                                                          const QByteArray &bytes)
{
    // Through a symbolic link the link stays, and the file it names is replaced.
    char resolved[PATH_MAX];
    if (::realpath(path.constData(), resolved) == nullptr)
        throw fileError(errno);
    const QByteArray target(resolved);
    const QByteArray folder = target.left(std::max<qsizetype>(1, target.lastIndexOf('/')));

    // Whatever keeps the new file from taking the old one's place with all it has (a folder the
    // player may not write to, a name too long, a full disk, a file mounted on its own, an owner,
    // access list or attribute that cannot be kept) leaves the entry to be written in place;
    // only a disk that fails or is not there ends the add.
    TemporaryFile temporary(m_calls, folder);
    if (temporary.fd() < 0)
        return inPlaceUnless(errno);
    const struct stat info = statusOf(file);
    if (((info.st_uid != ::geteuid() || info.st_gid != ::getegid()) &&
         m_calls.changeOwner(temporary.fd(), info.st_uid, info.st_gid) != 0) ||
        m_calls.changeMode(temporary.fd(), info.st_mode & 07777) != 0 ||
        m_calls.copyAttributes(file.fd(), temporary.fd()) != 0)
        return inPlaceUnless(errno);
    if (const int error = writeAll(temporary.fd(), old + bytes))
        return inPlaceUnless(error);
    if (m_calls.flush(temporary.fd()) != 0)
        return inPlaceUnless(errno);
    // Another program may have written to the file without asking for the lock meanwhile.
    if (!stillHolds(file, path, old))
        return Result::FileChanged;
    if (m_calls.rename(temporary.name().constData(), target.constData()) != 0)
        return inPlaceUnless(errno);
    temporary.keep();
    m_calls.flushFolder(folder);
    return Result::Appended;
}

std::optional<AtomicAppend::Result> AtomicAppend::inPlaceUnless(int error)
{
    // The disk fails or is not there, or the file may not grow so far (a file-size limit):
    // writing in place would fail too.
    if (error == EIO || error == EFBIG || fileError(error).number() == ErrorNumber::DiskNotReady)
        throw fileError(error);
    return std::nullopt;
}

void AtomicAppend::appendInPlace(const RegularFile &file, const QByteArray &old,
                                 const QByteArray &bytes)
{
    const off_t end = old.size();
    // The room first, and then the entry in one write: a write that stops part-way would leave
    // part of it for a moment, or for good should the program be killed then.
    if (m_calls.reserve(file.fd(), end, bytes.size()) != 0)
        throw fileError(errno);
    try {
        ssize_t n = 0;
        do
            n = m_calls.write(file.fd(), bytes.constData(), size_t(bytes.size()), end);
        while (n < 0 && errno == EINTR);
        if (n < 0)
            throw fileError(errno);
        if (n < bytes.size())
            throw fileError(ENOSPC);
        if (m_calls.flush(file.fd()) != 0)
            throw fileError(errno);
    } catch (const RunTimeError &error) {
        // Cut back to the old end, unless another program has written after our bytes meanwhile.
        if (file.size() <= end + off_t(bytes.size()) && m_calls.truncate(file.fd(), end) == 0) {
            m_calls.flush(file.fd());
            throw;
        }
        QByteArray now;
        try {
            now = file.readAll(end + bytes.size());
        } catch (const RunTimeError &) {
        }
        if (now == old)
            throw;
        throw RunTimeError(error.number(),
                           error.detail() +
                               (now == old + bytes
                                    ? QStringLiteral(". The file could not be cut back: it holds "
                                                     "the new entry, which may not be on the "
                                                     "disk")
                                    : QStringLiteral(". The file could not be cut back: part "
                                                     "of the new text may be left at its end")));
    }
}

int AtomicAppend::writeAll(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            m_calls.write(fd, bytes.constData() + written,
                          static_cast<size_t>(bytes.size() - written), off_t(written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;
        written += n;
    }
    return 0;
}
