#include "WordFileFormat.h"

#include <QCoreApplication>
#include <QFile>

QByteArray WordFileFormat::pathInFolder(const QByteArray &folder)
{
    return folder.endsWith('/') ? folder + FileName : folder + '/' + FileName;
}

QByteArray WordFileFormat::besideProgram()
{
    return pathInFolder(QFile::encodeName(QCoreApplication::applicationDirPath()));
}

QString WordFileFormat::levelName(qint16 level)
{
    return level == AdultLevel ? QStringLiteral("adult") : QStringLiteral("child");
}

QString WordFileFormat::levelNameWithArticle(qint16 level)
{
    return (level == AdultLevel ? QStringLiteral("an ") : QStringLiteral("a ")) + levelName(level);
}
