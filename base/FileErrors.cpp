#include "FileErrors.h"

#include <cerrno>
#include <cstring>

namespace {

int errorNumberFor(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT: // the file, or a folder on its path (both are told alike)
        return ErrorNumber::FileNotFound;
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

RunTimeError fileError(int errnoValue)
{
    return RunTimeError(errorNumberFor(errnoValue),
                        QString::fromLocal8Bit(std::strerror(errnoValue)));
}
