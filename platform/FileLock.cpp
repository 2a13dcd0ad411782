// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileLock.h"

#include "FileRead.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FileLock::FileLock(const std::string &path)
{
    // O_NONBLOCK: a FIFO planted here is opened without waiting for a writer; O_NOFOLLOW: a
    // link planted here leads nowhere.
    const int fd = ::open(path.c_str(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0600);
    struct stat info
    {
    };
    if (fd < 0) {
        const int error = errno;
        // Something else stands where the lock file goes: said as what it is, since no other
        // sync holds anything and the user must remove it.
        if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
            m_trouble = path + " is a symbolic link, not a lock file";
        else if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
            m_trouble = NotAFileText(path, info.st_mode, "a lock file");
        else
            m_trouble = "Cannot open " + path + ": " + std::strerror(error);
        return;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        m_trouble = NotAFileText(path, info.st_mode, "a lock file");
        ::close(fd);
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK)
            m_trouble = "Cannot lock " + path + ": " + std::strerror(errno);
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
