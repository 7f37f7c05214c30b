#include "TextFileReader.h"

#include "FileErrors.h"
#include "RunTimeError.h"
#include "WordFileFormat.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr qsizetype kBlockSize = 64 * 1024;
} // namespace

TextFileReader::TextFileReader(QString path) : m_path(std::move(path))
{}

TextFileReader::~TextFileReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void TextFileReader::open()
{
    if (m_fd >= 0) { // a retried open after a failed first read
        ::close(m_fd);
        m_fd = -1;
    }
    const QByteArray name = m_path.toLocal8Bit();
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw fileError(errno, m_path);
    struct stat info
    {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        throw fileError(error, m_path);
    }
    m_fd = fd;
    m_buffer.clear();
    m_pos = 0;
    m_atFileEnd = false;
    m_lineNumber = 0;
    // A byte-order mark is not text: a file of nothing else holds no line at all.
    if (fill() && m_buffer.startsWith(WordFileFormat::ByteOrderMark))
        m_pos = 3;
}

bool TextFileReader::fill()
{
    if (m_pos < m_buffer.size())
        return true;
    if (m_atFileEnd || m_fd < 0)
        return false;
    m_buffer.resize(kBlockSize);
    m_pos = 0;
    ssize_t got;
    do {
        got = ::read(m_fd, m_buffer.data(), kBlockSize);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        m_buffer.clear();
        throw fileError(errno, m_path);
    }
    m_buffer.resize(got);
    if (got == 0)
        m_atFileEnd = true;
    return got > 0;
}

bool TextFileReader::atEnd()
{
    return !fill();
}

QString TextFileReader::readLine()
{
    if (!fill())
        throw RunTimeError(ErrorNumber::InputPastEndOfFile);

    QByteArray line;
    bool ended = false;
    while (!ended && fill()) {
        const char *begin = m_buffer.constData() + m_pos;
        const qsizetype available = m_buffer.size() - m_pos;
        const void *cr = std::memchr(begin, WordFileFormat::CR, static_cast<size_t>(available));
        const qsizetype take = cr ? static_cast<const char *>(cr) - begin : available;
        line.append(begin, take);
        m_pos += take;
        if (cr) {
            ++m_pos; // the CR itself
            ended = true;
        }
    }
    if (ended && fill() && m_buffer.at(m_pos) == WordFileFormat::LF)
        ++m_pos;
    ++m_lineNumber;
    return QString::fromLocal8Bit(line);
}

void TextFileReader::close()
{
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        throw fileError(errno, m_path);
}
