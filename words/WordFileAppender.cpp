#include "WordFileAppender.h"

#include "AtomicAppend.h"
#include "EntryPlan.h"
#include "FileCalls.h"
#include "FileErrors.h"
#include "RegularFile.h"
#include "TextFileReader.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Another copy of the game holds the lock only for one add; an editor that keeps it longer is
// reported instead of being waited for.
constexpr int kLockWaitMs = 5000;
// Adds started again because another program kept writing to the file, before giving up.
constexpr int kAttempts = 10;

FileCalls &systemCalls()
{
    static FileCalls calls;
    return calls;
}

// A word file that is a symbolic link to nothing is not made anew: that would follow the link.
std::optional<RunTimeError> danglingLink(const QByteArray &path)
{
    struct stat link
    {
    }, target{};
    if (::lstat(path.constData(), &link) != 0 || !S_ISLNK(link.st_mode) ||
        ::stat(path.constData(), &target) == 0)
        return std::nullopt;
    QByteArray name(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.constData(), name.data(), size_t(name.size()));
    return RunTimeError(ErrorNumber::PathFileAccessError,
                        QStringLiteral("The word file is a symbolic link to %1, which does not "
                                       "exist")
                            .arg(QString::fromLocal8Bit(name.left(std::max<ssize_t>(n, 0)))));
}

} // namespace

WordFileAppender::WordFileAppender(QByteArray path, FileCalls *calls)
    : m_path(std::move(path)), m_calls(calls ? *calls : systemCalls())
{}

AddOutcome WordFileAppender::add(const QString &word, const QString &definition, qint16 level)
{
    try {
        return addOnce(word, definition, level);
    } catch (RunTimeError &error) {
        error.setPlace(m_path, 0);
        return {AddOutcome::Kind::Failed, {}, error};
    }
}

AddOutcome WordFileAppender::addOnce(const QString &word, const QString &definition, qint16 level)
{
    AtomicAppend appender(m_calls);
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        bool created = false;
        const std::optional<RegularFile> file = openLocked(created);
        if (!file)
            return {AddOutcome::Kind::Busy, {}, {}};
        try {
            const QByteArray contents = file->readAll(TextFileReader::MaxFileSize);
            const auto planned = EntryPlan(contents).bytesFor(word, definition, level);
            if (const auto *refusal = std::get_if<EntryRefusal>(&planned))
                return {AddOutcome::Kind::Refused, *refusal, {}};
            if (appender.append(*file, m_path, contents, std::get<QByteArray>(planned)) ==
                AtomicAppend::Result::Appended)
                return {};
        } catch (const RunTimeError &) {
            if (created && file->size() == 0) // as it was: no file
                m_calls.unlink(m_path.constData());
            throw;
        }
    }
    throw RunTimeError(ErrorNumber::PermissionDenied,
                       QStringLiteral("Another program keeps changing the word file"));
}

std::optional<RegularFile> WordFileAppender::openLocked(bool &created)
{
    for (;;) {
        RegularFile file;
        try {
            file = RegularFile::open(m_path, O_RDWR, 0, &m_calls);
        } catch (const RunTimeError &error) {
            if (error.number() != ErrorNumber::FileNotFound)
                throw;
            if (const auto dangling = danglingLink(m_path))
                throw *dangling;
            file = RegularFile::open(m_path, O_RDWR | O_CREAT | O_EXCL, 0644, &m_calls);
            created = true;
        }
        while (m_calls.lock(file.fd(), LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR)
                continue;
            if (errno != EWOULDBLOCK)
                throw fileError(errno);
            if (++m_busyTries > kLockWaitMs / LockPollMs)
                throw RunTimeError(ErrorNumber::PermissionDenied,
                                   QStringLiteral("Another program is writing to the word file"));
            return std::nullopt;
        }
        // Another copy of the game may have put a new file in its place while we waited.
        if (file.isNamedBy(m_path))
            return file;
    }
}
