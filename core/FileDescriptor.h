// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

/// Owns a file descriptor for the span of one operation; a negative value owns nothing.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    [[nodiscard]] int get() const { return m_fd; }

private:
    int m_fd;
};
