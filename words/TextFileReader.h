#pragma once

#include "MemoryLineReader.h"

// Reads a word file from the disk, in the format MemoryLineReader gives. open() reads the whole
// file at once: only a regular file of at most MaxFileSize bytes is read, so a pipe, a device or
// a huge file can neither hang the game nor use up its memory.
class TextFileReader : public MemoryLineReader
{
public:
    static constexpr qint64 MaxFileSize = 8 * 1024 * 1024;

    explicit TextFileReader(QByteArray path);

    void open() override;
};
