#pragma once

#include <string>

/// Holds the one-per-data-folder lock for the life of the process. The system releases it when
/// the process ends in any way, so a crash leaves nothing that blocks the next start.
class SingleInstance
{
public:
    enum class Status
    {
        Only,        // the lock is ours
        AnotherRuns, // another process holds it
        Unknown,     // no lock could be taken, so nothing tells: the program must not run
    };

    /// Takes the lock that guards the data folder `folder`, without waiting.
    explicit SingleInstance(const std::string &folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    [[nodiscard]] Status status() const { return m_status; }
    [[nodiscard]] bool isOnlyInstance() const { return m_status == Status::Only; }
    /// For Unknown: "Moonrill cannot tell whether it is already running: " and the reason.
    [[nodiscard]] const std::string &message() const { return m_message; }

    /// The lock file of the data folder `folder`: in the user's runtime folder
    /// ($XDG_RUNTIME_DIR), which the user can always write, named after the data folder; in the
    /// data folder itself only where there is no runtime folder.
    [[nodiscard]] static std::string LockPath(const std::string &folder);

private:
    int m_fd = -1;
    Status m_status = Status::Only;
    std::string m_message;
};
