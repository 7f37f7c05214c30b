#include "WordFileFormat.h"

QByteArray WordFileFormat::pathInFolder(const QByteArray &folder)
{
    return folder.endsWith('/') ? folder + FileName : folder + '/' + FileName;
}

QString WordFileFormat::levelName(qint16 level)
{
    return level == AdultLevel ? QStringLiteral("adult") : QStringLiteral("child");
}
