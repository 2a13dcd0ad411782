// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

/// The user id that AsUnprivilegedUser runs as when the tests run as root (nobody).
inline constexpr uid_t UnprivilegedId = 65534;

/// Runs `body` where the file system's permission checks apply: in a child process that has
/// given up root when the tests run as root (as CI does), otherwise in this process. Returns what
/// `body` returned; false also when the child could not drop its rights or died.
inline bool AsUnprivilegedUser(const std::function<bool()> &body)
{
    if (::geteuid() != 0)
        return body();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(UnprivilegedId) != 0 ||
            ::setuid(UnprivilegedId) != 0)
            ::_exit(3);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
