#include "TextFileReader.h"

#include "RegularFile.h"

#include <fcntl.h>

TextFileReader::TextFileReader(QByteArray path) : MemoryLineReader({}, std::move(path))
{}

void TextFileReader::open()
{
    restart(RegularFile::open(path(), O_RDONLY).readAll(MaxFileSize));
}
