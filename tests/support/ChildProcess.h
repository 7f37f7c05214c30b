#pragma once

#include <QByteArray>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

struct ChildResult
{
    int status = -1;
    QByteArray said; // what the child wrote back
};

// Runs work in a child process, so that it can lower its own limits or privileges. The child
// hands back its text through a pipe, which no file limit or permission stands in the way of.
inline ChildResult inChild(const std::function<int(QByteArray &said)> &work)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        QByteArray said;
        const int status = work(said);
        [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], said.constData(), said.size());
        ::_exit(status);
    }
    ::close(pipeFds[1]);
    ChildResult result;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        result.said.append(buffer, n);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

// The identity of an ordinary user, for tests that need what root is never refused. Returns
// false when the switch fails.
inline bool becomeOrdinaryUser()
{
    constexpr uid_t kNobody = 65534;
    return ::geteuid() != 0 || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
}
