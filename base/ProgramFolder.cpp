#include "ProgramFolder.h"

#include <climits>
#include <unistd.h>

QByteArray programFolder()
{
    QByteArray executable(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink("/proc/self/exe", executable.data(), PATH_MAX);
    if (length <= 0)
        return QByteArrayLiteral(".");
    executable.truncate(length);
    const qsizetype slash = executable.lastIndexOf('/');
    return slash > 0 ? executable.left(slash) : QByteArrayLiteral("/");
}

QByteArray absolutePath(const QByteArray &path)
{
    if (path.startsWith('/'))
        return path;
    QByteArray folder(PATH_MAX, Qt::Uninitialized);
    if (::getcwd(folder.data(), PATH_MAX) == nullptr)
        return path;
    folder.truncate(qstrlen(folder.constData()));
    return folder.endsWith('/') ? folder + path : folder + '/' + path;
}
