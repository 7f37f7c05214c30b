#include "WordFileAppender.h"

#include "FileErrorPrompt.h"
#include "FileErrors.h"
#include "IPlatformServices.h"
#include "MemoryLineReader.h"
#include "RegularFile.h"
#include "RunTimeError.h"
#include "TextFileReader.h"
#include "WordFileFormat.h"
#include "WordFileLoader.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Another copy of the game holds the lock only for one write; an editor that keeps it longer
// is reported instead of being waited for.
constexpr auto kLockWait = 5s;
constexpr auto kLockPoll = 10ms;

class LevelCounter : public WordFileLoader::Sink
{
public:
    void entryLoaded(const WordFileEntry &entry) override
    {
        ++count[entry.level == WordFileFormat::AdultLevel];
    }
    int count[2] = {0, 0};
};

// Whether the file's last line still needs its terminator. Only CR ends a line in the word file
// (a line feed alone is part of the line), so it does unless the file ends in CR or CR LF. A
// file of nothing but a byte-order mark holds no line at all.
bool lastLineUnterminated(const QByteArray &contents)
{
    if (contents.isEmpty() || contents == WordFileFormat::ByteOrderMark)
        return false;
    using WordFileFormat::CR;
    return !(contents.endsWith(CR) || contents.endsWith(WordFileFormat::LineEnd));
}

// The lines, each ended by CR LF, after the end of a last line that lacks it.
QByteArray entryBytes(const QStringList &lines, const QByteArray &contents)
{
    QByteArray bytes;
    if (lastLineUnterminated(contents))
        bytes += WordFileFormat::LineEnd;
    for (const QString &line : lines)
        bytes += line.toLocal8Bit() + WordFileFormat::LineEnd;
    return bytes;
}

void lockExclusively(const RegularFile &file)
{
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(file.fd(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            throw fileError(errno, file.path());
        if (std::chrono::steady_clock::now() >= deadline)
            throw RunTimeError(ErrorNumber::PermissionDenied,
                               QStringLiteral("Another program is writing to the word file"));
        std::this_thread::sleep_for(kLockPoll);
    }
}

} // namespace

WordFileAppender::SystemCalls WordFileAppender::posixCalls()
{
    return {[](const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); },
            ::pwrite, ::fsync};
}

WordFileAppender::WordFileAppender(IPlatformServices &services, QByteArray path, SystemCalls calls)
    : m_services(services), m_path(std::move(path)), m_calls(std::move(calls))
{}

bool WordFileAppender::append(const QStringList &lines)
{
    auto retry = [this](auto step) {
        FileErrorPrompt::retrying(step, [this](const RunTimeError &error) {
            FileErrorPrompt::askToRetry(m_services, error);
        });
    };
    try {
        RegularFile file;
        QByteArray contents;
        retry([&] {
            file = RegularFile::open(m_path, O_RDWR | O_CREAT, 0644, m_calls.openFile);
            lockExclusively(file);
            contents = file.readAll(TextFileReader::MaxFileSize);
        });
        const QByteArray bytes = entryBytes(lines, contents);
        if (!roomFor(lines, contents, bytes.size()))
            return false;
        retry([&] { writeAt(file, bytes, static_cast<off_t>(contents.size())); });
        return true;
    } catch (const FileErrorPrompt::GivenUp &) {
        return false;
    } catch (const RunTimeError &error) {
        m_services.showMessage(
            QStringLiteral("The word could not be added: %1.").arg(error.detail()),
            QStringLiteral("Error"), MessageBoxKind::Ok);
        return false;
    }
}

bool WordFileAppender::roomFor(const QStringList &lines, const QByteArray &contents,
                               qsizetype added)
{
    const bool adult = !lines.isEmpty() && lines.first().startsWith(WordFileFormat::AdultMarker);
    const QString level = adult ? QStringLiteral("adult") : QStringLiteral("child");
    LevelCounter counter;
    MemoryLineReader reader(contents, m_path);
    try {
        WordFileLoader(reader, [](const RunTimeError &error) { throw error; }).load(counter);
    } catch (const RunTimeError &error) {
        // The file on the disk cannot be played as it is; an entry added to it could end up as
        // another word's definition, or make it longer still.
        m_services.showMessage(
            QStringLiteral("The word could not be added: the word file cannot be read as it is "
                           "now (line %1). %2.")
                .arg(QString::number(error.lineNumber()), WordFileLoader::explain(error)),
            QStringLiteral("Error"), MessageBoxKind::Ok);
        return false;
    }
    if (counter.count[adult] >= WordFileFormat::MaxEntriesPerLevel) {
        m_services.showMessage(
            QStringLiteral("The dictionary already holds %1 %2 words, the most a level can "
                           "have. The word was not added.")
                .arg(QString::number(WordFileFormat::MaxEntriesPerLevel), level),
            QStringLiteral("Dictionary full"), MessageBoxKind::Ok);
        return false;
    }
    if (contents.size() + added > TextFileReader::MaxFileSize) {
        m_services.showMessage(
            QStringLiteral("The word could not be added: the word file would grow larger than "
                           "%1 bytes, the most the game reads.")
                .arg(TextFileReader::MaxFileSize),
            QStringLiteral("Error"), MessageBoxKind::Ok);
        return false;
    }
    return true;
}

void WordFileAppender::writeAt(const RegularFile &file, const QByteArray &bytes, off_t end)
{
    qsizetype written = 0;
    int error = 0;
    while (written < bytes.size() && error == 0) {
        const ssize_t n =
            m_calls.pwrite(file.fd(), bytes.constData() + written,
                           static_cast<size_t>(bytes.size() - written), end + off_t(written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            error = n < 0 ? errno : ENOSPC;
        else
            written += n;
    }
    if (error == 0 && m_calls.fsync(file.fd()) != 0)
        error = errno;
    if (error == 0)
        return;
    // Leave no part of the entry behind, and nothing but it: a program that wrote after it
    // without asking for the lock keeps its bytes, and ours stay.
    if (file.size() <= end + off_t(bytes.size()) && ::ftruncate(file.fd(), end) == 0)
        ::fsync(file.fd());
    throw fileError(error, m_path);
}
