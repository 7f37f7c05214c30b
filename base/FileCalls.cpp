#include "FileCalls.h"

#include <QList>

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// What a seam call gives when it fails, as the system's calls do; errno tells why.
constexpr int kFailed = -1;

} // namespace

int FileCalls::fault(Call, std::size_t &)
{
    return 0;
}

bool FileCalls::refused(Call call, std::size_t &size)
{
    const int error = fault(call, size);
    if (error != 0)
        errno = error;
    return error != 0;
}

bool FileCalls::refused(Call call)
{
    std::size_t none = 0;
    return refused(call, none);
}

int FileCalls::open(const char *path, int flags, mode_t mode)
{
    return refused(Call::Open) ? kFailed : ::open(path, flags, mode);
}

int FileCalls::lock(int fd, int operation)
{
    return refused(Call::Lock) ? kFailed : ::flock(fd, operation);
}

int FileCalls::createTemporary(QByteArray &nameTemplate)
{
    return refused(Call::CreateTemporary) ? kFailed : ::mkostemp(nameTemplate.data(), O_CLOEXEC);
}

int FileCalls::changeOwner(int fd, uid_t owner, gid_t group)
{
    return refused(Call::ChangeOwner) ? kFailed : ::fchown(fd, owner, group);
}

int FileCalls::changeMode(int fd, mode_t mode)
{
    return refused(Call::ChangeMode) ? kFailed : ::fchmod(fd, mode);
}

int FileCalls::copyAttributes(int from, int to)
{
    const ssize_t size = refused(Call::CopyAttributes) ? kFailed : ::flistxattr(from, nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP ? 0 : kFailed;
    QByteArray names(size, '\0');
    const ssize_t listed = ::flistxattr(from, names.data(), size_t(names.size()));
    if (listed < 0)
        return kFailed;
    for (const QByteArray &name : names.left(listed).split('\0')) {
        if (name.isEmpty())
            continue;
        const ssize_t length = ::fgetxattr(from, name.constData(), nullptr, 0);
        if (length < 0)
            return kFailed;
        QByteArray value(length, '\0');
        const ssize_t got = ::fgetxattr(from, name.constData(), value.data(), size_t(length));
        if (got < 0 || ::fsetxattr(to, name.constData(), value.constData(), size_t(got), 0) != 0)
            return kFailed;
    }
    return 0;
}

int FileCalls::reserve(int fd, off_t offset, off_t length)
{
    struct rlimit limit
    {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        rlim_t(offset + length) > limit.rlim_cur) {
        errno = EFBIG;
        return kFailed;
    }
    if (!refused(Call::Reserve) && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, offset, length) == 0)
        return 0;
    if (errno != EOPNOTSUPP && errno != ENOSYS)
        return kFailed;
    // A file system that sets nothing aside: the room left must do.
    struct statvfs disk
    {};
    if (::fstatvfs(fd, &disk) == 0 && disk.f_bavail * disk.f_frsize < std::uint64_t(length)) {
        errno = ENOSPC;
        return kFailed;
    }
    return 0;
}

ssize_t FileCalls::write(int fd, const void *data, std::size_t size, off_t offset)
{
    return refused(Call::Write, size) ? kFailed : ::pwrite(fd, data, size, offset);
}

int FileCalls::flush(int fd)
{
    return refused(Call::Flush) ? kFailed : ::fsync(fd);
}

int FileCalls::rename(const char *from, const char *to)
{
    return refused(Call::Rename) ? kFailed : ::rename(from, to);
}

void FileCalls::flushFolder(const QByteArray &folder)
{
    if (refused(Call::FlushFolder))
        return;
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

int FileCalls::truncate(int fd, off_t length)
{
    return refused(Call::Truncate) ? kFailed : ::ftruncate(fd, length);
}

int FileCalls::unlink(const char *path)
{
    return refused(Call::Unlink) ? kFailed : ::unlink(path);
}
