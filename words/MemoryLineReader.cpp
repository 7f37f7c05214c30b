#include "MemoryLineReader.h"

#include "RunTimeError.h"
#include "WordFileFormat.h"

MemoryLineReader::MemoryLineReader(QByteArray bytes, QByteArray path)
    : m_bytes(std::move(bytes)), m_path(std::move(path))
{}

void MemoryLineReader::open()
{
    restart(std::move(m_bytes));
}

void MemoryLineReader::restart(QByteArray bytes)
{
    m_bytes = std::move(bytes);
    m_lineNumber = 0;
    m_linesNotUtf8.clear();
    // A byte-order mark is not text: a file of nothing else holds no line at all.
    m_pos = m_bytes.startsWith(WordFileFormat::ByteOrderMark) ? 3 : 0;
}

bool MemoryLineReader::atEnd()
{
    return m_pos >= m_bytes.size();
}

QString MemoryLineReader::readLine()
{
    if (atEnd())
        throw RunTimeError(ErrorNumber::InputPastEndOfFile);
    qsizetype end = m_bytes.indexOf(WordFileFormat::CR, m_pos);
    qsizetype next = end + 1;
    if (end < 0)
        end = next = m_bytes.size();
    else if (next < m_bytes.size() && m_bytes.at(next) == WordFileFormat::LF)
        ++next;
    const QByteArray bytes = QByteArray::fromRawData(m_bytes.constData() + m_pos, end - m_pos);
    m_pos = next;
    ++m_lineNumber;
    if (!QByteArrayView(bytes).isValidUtf8())
        m_linesNotUtf8 << m_lineNumber;
    return QString::fromLocal8Bit(bytes);
}
