#pragma once

#include <string>

/// Holds the one-per-data-folder lock for the life of the process. The system releases it when
/// the process ends in any way, so a crash leaves nothing that blocks the next start.
class SingleInstance
{
public:
    /// Takes the lock of `folder` (a file ".moonrill.lock" in it) without waiting.
    explicit SingleInstance(const std::string &folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    /// False when another process holds the lock: another instance runs.
    [[nodiscard]] bool isOnlyInstance() const { return m_only; }

private:
    int m_fd = -1;
    bool m_only = true;
};
