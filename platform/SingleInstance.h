// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

/// Holds the one-per-data-folder lock for the life of the process. The system releases it when
/// the process ends in any way, so a crash leaves nothing that blocks the next start.
class SingleInstance
{
public:
    enum class Status
    {
        Only,        // the lock is ours
        AnotherRuns, // another process of this user holds it
        Unknown,     // no lock could be taken, or someone else holds one under our name:
                     // nothing tells, so the program must not run
    };

    /// Takes the locks that guard the data folder `folder`, without waiting.
    explicit SingleInstance(const std::string &folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    [[nodiscard]] Status status() const { return m_status; }
    [[nodiscard]] bool isOnlyInstance() const { return m_status == Status::Only; }
    /// For Unknown: "Moonrill cannot tell whether it is already running: " and the reason.
    [[nodiscard]] const std::string &message() const { return m_message; }

    /// The lock files of the data folder `folder`, each taken where it can be: one in the data
    /// folder itself, which every run on that folder finds whatever its environment says, and
    /// one in the user's runtime folder ($XDG_RUNTIME_DIR), named after the data folder, for a
    /// data folder the user cannot write. A runtime folder is used only when it is the user's
    /// own and closed to others, as the XDG rules require; anyone could plant a lock in any other.
    [[nodiscard]] static std::vector<std::string> LockPaths(const std::string &folder);

private:
    std::vector<int> m_fds;
    Status m_status = Status::Only;
    std::string m_message;
};
