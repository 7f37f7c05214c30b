#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs work in a child process, which may lower its rights or end as a kill would, and returns
// what it returned, or 128 and the signal that ended it.
inline int inChild(const std::function<int()> &work)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(work());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Takes an ordinary user's identity, whom the system refuses what it never refuses root.
inline bool becomeOrdinaryUser()
{
    return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
}
