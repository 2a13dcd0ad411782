// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const std::string &path)
{
    // O_NONBLOCK: a FIFO planted here is opened without waiting for a writer; O_NOFOLLOW: a
    // link planted here leads nowhere.
    const int fd = ::open(path.c_str(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
