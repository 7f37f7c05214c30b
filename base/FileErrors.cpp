#include "FileErrors.h"

#include <cerrno>
#include <cstring>
#include <libgen.h>
#include <sys/stat.h>

namespace {

bool folderExists(const QByteArray &path)
{
    QByteArray copy = path; // dirname may write into its argument
    struct stat info
    {};
    return ::stat(::dirname(copy.data()), &info) == 0 && S_ISDIR(info.st_mode);
}

int errorNumberFor(int errnoValue, const QByteArray &path)
{
    switch (errnoValue) {
    case ENOENT:
        // The file is missing from a folder that exists, or the folder itself is missing.
        return folderExists(path) ? ErrorNumber::FileNotFound : ErrorNumber::PathNotFound;
    case ENOTDIR:
        return ErrorNumber::PathNotFound;
    case ENAMETOOLONG:
        return ErrorNumber::BadFileName;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return ErrorNumber::PermissionDenied;
    case EISDIR:
        return ErrorNumber::PathFileAccessError;
    case ENOMEDIUM:
    case ENODEV:
    case ENXIO:
        return ErrorNumber::DiskNotReady;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ErrorNumber::DiskFull;
    case EMFILE:
    case ENFILE:
        return ErrorNumber::TooManyFiles;
    default:
        return ErrorNumber::DeviceIOError;
    }
}

} // namespace

RunTimeError fileError(int errnoValue, const QByteArray &path)
{
    return RunTimeError(errorNumberFor(errnoValue, path),
                        QString::fromLocal8Bit(std::strerror(errnoValue)));
}
