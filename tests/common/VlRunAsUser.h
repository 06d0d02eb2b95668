// Runs a check in a child process as an ordinary user, because permissions do not bind the
// superuser, under whom tests may run.
#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// The child's exit code: `check`'s result, 126 when the child could not become an ordinary user,
// -1 when it did not end normally.
inline int VlRunAsOrdinaryUser(const std::function<int()> &check)
{
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(126);
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
