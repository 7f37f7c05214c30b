#include "WordFileFormat.h"

QByteArray WordFileFormat::pathInFolder(const QByteArray &folder)
{
    return folder.endsWith('/') ? folder + FileName : folder + '/' + FileName;
}
