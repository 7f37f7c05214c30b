#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs work in a child process, which may end as a kill would, and returns
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
