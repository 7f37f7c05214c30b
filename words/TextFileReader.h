#pragma once

#include "ILineReader.h"

#include <QByteArray>

// Reads a text file of the word-file format: a line ends at CR LF or at a lone CR, a line feed
// alone is part of the line, and the last line may lack its terminator. Text is decoded from
// the system's 8-bit encoding (UTF-8 here); a UTF-8 byte-order mark at the very start is not
// part of the first line. The file is read in blocks, so a long file costs no more memory than
// its longest line.
class TextFileReader : public ILineReader
{
public:
    explicit TextFileReader(QString path);
    ~TextFileReader() override;
    TextFileReader(const TextFileReader &) = delete;
    TextFileReader &operator=(const TextFileReader &) = delete;

    void open() override;
    bool atEnd() override;
    QString readLine() override;
    void close() override;

    QString path() const override { return m_path; }
    int lineNumber() const override { return m_lineNumber; }

private:
    // Makes sure that at least one unread byte is buffered; false at the end of the file.
    bool fill();

    QString m_path;
    int m_fd = -1;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_atFileEnd = false;
    int m_lineNumber = 0;
};
