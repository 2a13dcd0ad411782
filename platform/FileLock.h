// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

/// A lock on one file, taken without waiting and held for the object's life: for work that two
/// processes must not do at once but that no one should wait for (a second sync of one list
/// simply leaves its work to the next). The lock file is private to the user and never reached
/// through a link.
class FileLock
{
public:
    explicit FileLock(const std::string &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    /// Whether the lock is ours.
    [[nodiscard]] bool Held() const { return m_fd >= 0; }
    /// Where the lock is not ours for another reason than another holder (the lock file is a
    /// folder, a link, or cannot be opened): why, naming the path; empty otherwise.
    [[nodiscard]] const std::string &Trouble() const { return m_trouble; }

private:
    int m_fd = -1;
    std::string m_trouble;
};
