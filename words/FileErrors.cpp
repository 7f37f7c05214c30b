#include "FileErrors.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

int errorNumberFor(int errnoValue, const QString &path)
{
    switch (errnoValue) {
    case ENOENT:
        // The file is missing from a folder that exists, or the folder itself is missing.
        return QFileInfo(path).absoluteDir().exists() ? ErrorNumber::FileNotFound
                                                      : ErrorNumber::PathNotFound;
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

RunTimeError fileError(int errnoValue, const QString &path)
{
    return RunTimeError(errorNumberFor(errnoValue, path),
                        QString::fromLocal8Bit(std::strerror(errnoValue)));
}
