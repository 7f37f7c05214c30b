#include "WordFileAppender.h"

#include "AtomicAppend.h"
#include "FileCalls.h"
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
#include <sys/stat.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Another copy of the game holds the lock only for one add; an editor that keeps it longer is
// reported instead of being waited for.
constexpr auto kLockWait = 5s;
constexpr auto kLockPoll = 10ms;
// Adds started again because another program kept writing to the file, before giving up.
constexpr int kAttempts = 10;

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

bool namesFile(const QByteArray &path, const RegularFile &file)
{
    struct stat named
    {
    }, held{};
    return ::stat(path.constData(), &named) == 0 && ::fstat(file.fd(), &held) == 0 &&
           named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

FileCalls &systemCalls()
{
    static FileCalls calls;
    return calls;
}

} // namespace

WordFileAppender::WordFileAppender(IPlatformServices &services, QByteArray path, FileCalls *calls)
    : m_services(services), m_path(std::move(path)), m_calls(calls ? *calls : systemCalls())
{}

bool WordFileAppender::append(const QStringList &lines)
{
    for (;;) {
        try {
            const std::optional<Refusal> refusal = addOnce(lines);
            if (!refusal)
                return true;
            m_services.showMessage(refusal->text, refusal->title, MessageBoxKind::Ok);
            return false;
        } catch (const RunTimeError &error) {
            try {
                FileErrorPrompt::askToRetry(m_services, error); // returns on Retry
            } catch (const FileErrorPrompt::GivenUp &) {
                return false;
            } catch (const RunTimeError &) {
                m_services.showMessage(
                    QStringLiteral("The word could not be added: %1.").arg(error.detail()),
                    QStringLiteral("Error"), MessageBoxKind::Ok);
                return false;
            }
        }
    }
}

std::optional<WordFileAppender::Refusal> WordFileAppender::addOnce(const QStringList &lines)
{
    AtomicAppend appender(m_calls);
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        bool created = false;
        const RegularFile file = openLocked(created);
        try {
            const QByteArray contents = file.readAll(TextFileReader::MaxFileSize);
            if (auto refusal = refusalFor(lines, contents))
                return refusal;
            if (appender.append(file, m_path, contents, entryBytes(lines, contents)) ==
                AtomicAppend::Result::Appended)
                return std::nullopt;
        } catch (const RunTimeError &) {
            if (created && file.size() == 0) // as it was: no file
                m_calls.unlink(m_path.constData());
            throw;
        }
    }
    throw RunTimeError(ErrorNumber::PermissionDenied,
                       QStringLiteral("Another program keeps changing the word file"));
}

RegularFile WordFileAppender::openLocked(bool &created)
{
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        RegularFile file;
        try {
            file = RegularFile::open(m_path, O_RDWR, 0, &m_calls);
        } catch (const RunTimeError &error) {
            if (error.number() != ErrorNumber::FileNotFound)
                throw;
            file = RegularFile::open(m_path, O_RDWR | O_CREAT | O_EXCL, 0644, &m_calls);
            created = true;
        }
        while (m_calls.lock(file.fd(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR)
                throw fileError(errno);
            if (std::chrono::steady_clock::now() >= deadline)
                throw RunTimeError(ErrorNumber::PermissionDenied,
                                   QStringLiteral("Another program is writing to the word file"));
            std::this_thread::sleep_for(kLockPoll);
        }
        // Another copy of the game may have put a new file in its place while we waited.
        if (namesFile(m_path, file))
            return file;
    }
}

std::optional<WordFileAppender::Refusal>
WordFileAppender::refusalFor(const QStringList &lines, const QByteArray &contents) const
{
    const bool adult = !lines.isEmpty() && lines.first().startsWith(WordFileFormat::AdultMarker);
    LevelCounter counter;
    MemoryLineReader reader(contents, m_path);
    try {
        WordFileLoader(reader, [](const RunTimeError &error) { throw error; }).load(counter);
    } catch (const RunTimeError &error) {
        // The file on the disk cannot be played as it is; an entry added to it could end up as
        // another word's definition, or make it longer still.
        return Refusal{
            QStringLiteral("The word could not be added: the word file cannot be read "
                           "as it is now (line %1). %2.")
                .arg(QString::number(error.lineNumber()), WordFileLoader::explain(error)),
            QStringLiteral("Error")};
    }
    if (counter.count[adult] >= WordFileFormat::MaxEntriesPerLevel)
        return Refusal{QStringLiteral("The dictionary already holds %1 %2 words, the most a level "
                                      "can have. The word was not added.")
                           .arg(QString::number(WordFileFormat::MaxEntriesPerLevel),
                                adult ? QStringLiteral("adult") : QStringLiteral("child")),
                       QStringLiteral("Dictionary full")};
    if (contents.size() + entryBytes(lines, contents).size() > TextFileReader::MaxFileSize)
        return Refusal{QStringLiteral("The word could not be added: the word file would grow "
                                      "larger than %1 bytes, the most the game reads.")
                           .arg(TextFileReader::MaxFileSize),
                       QStringLiteral("Error")};
    return std::nullopt;
}
