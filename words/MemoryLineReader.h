#pragma once

#include "ILineReader.h"

#include <QByteArray>
#include <QList>

// Reads the lines of a word file held in memory: a line ends at CR LF or at a lone CR, a line
// feed alone is part of the line, and the last line may lack its terminator. Text is decoded from
// the system's 8-bit encoding (UTF-8 here); a UTF-8 byte-order mark at the very start is not
// part of the first line.
class MemoryLineReader : public ILineReader
{
public:
    explicit MemoryLineReader(QByteArray bytes = {}, QByteArray path = {});

    void open() override;
    bool atEnd() override;
    QString readLine() override;
    void close() override {}

    QByteArray path() const override { return m_path; }
    int lineNumber() const override { return m_lineNumber; }

    // The bytes the lines are read from.
    const QByteArray &bytes() const { return m_bytes; }
    // The lines read so far that are not UTF-8 text (a file saved in another encoding).
    const QList<int> &linesNotUtf8() const { return m_linesNotUtf8; }

protected:
    // Starts again from the beginning of these bytes.
    void restart(QByteArray bytes);

private:
    QByteArray m_bytes;
    QByteArray m_path;
    qsizetype m_pos = 0;
    int m_lineNumber = 0;
    QList<int> m_linesNotUtf8;
};
