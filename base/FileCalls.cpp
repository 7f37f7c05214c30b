#include "FileCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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
    return refused(Call::Open) ? -1 : ::open(path, flags, mode);
}

int FileCalls::lock(int fd, int operation)
{
    return refused(Call::Lock) ? -1 : ::flock(fd, operation);
}

int FileCalls::createTemporary(QByteArray &nameTemplate)
{
    return refused(Call::CreateTemporary) ? -1 : ::mkostemp(nameTemplate.data(), O_CLOEXEC);
}

ssize_t FileCalls::write(int fd, const void *data, std::size_t size, off_t offset)
{
    return refused(Call::Write, size) ? -1 : ::pwrite(fd, data, size, offset);
}

int FileCalls::flush(int fd)
{
    return refused(Call::Flush) ? -1 : ::fsync(fd);
}

int FileCalls::rename(const char *from, const char *to)
{
    return refused(Call::Rename) ? -1 : ::rename(from, to);
}

int FileCalls::flushFolder(const QByteArray &folder)
{
    if (refused(Call::FlushFolder))
        return -1;
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    return result;
}

int FileCalls::truncate(int fd, off_t length)
{
    return refused(Call::Truncate) ? -1 : ::ftruncate(fd, length);
}

int FileCalls::unlink(const char *path)
{
    return refused(Call::Unlink) ? -1 : ::unlink(path);
}
