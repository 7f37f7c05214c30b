#include "TextFileReader.h"

#include "RegularFile.h"

#include <fcntl.h>

TextFileReader::TextFileReader(QByteArray path) : MemoryLineReader({}, std::move(path))
{}

void TextFileReader::open()
{
    RegularFile file = RegularFile::open(path(), O_RDONLY);
    restart(file.readAll(MaxFileSize));
    file.close();
}
