#include "WordFileFormat.h"

#include <QDir>

QString WordFileFormat::pathInFolder(const QString &folder)
{
    return QDir(folder).filePath(FileName);
}
