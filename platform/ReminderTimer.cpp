// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderTimer.h"

#include "AtomicFile.h"
#include "DailyScan.h"
#include "FileRead.h"
#include "MoonrillError.h"
#include "Paths.h"

#include <optional>
#include <unistd.h>

namespace {

constexpr std::string_view DailyDescription = "Description=Moonrill: show what falls due today\n";
constexpr std::string_view DailyMark = "Environment=MOONRILL_DAILY=1\n";

/// The daily service's text made the reminders': its own description and mark. None where the
/// text is not one the program wrote.
std::optional<std::string> remindersOf(std::string text)
{
    const size_t description = text.find(DailyDescription);
    const size_t mark = text.find(DailyMark);
    if (description == std::string::npos || mark == std::string::npos)
        return std::nullopt;
    text.replace(mark, DailyMark.size(), "Environment=MOONRILL_REMINDERS=1\n");
    text.replace(description, DailyDescription.size(),
                 "Description=Moonrill: show the reminders whose moment came\n");
    return text;
}

} // namespace

std::string ReminderServiceText(std::string_view program, std::string_view dataFolder)
{
    return *remindersOf(DailyScanServiceText(program, dataFolder));
}

std::string ReminderTimerText(const std::vector<std::string> &moments)
{
    std::string lines;
    size_t count = 0;
    for (const std::string &moment : moments) {
        if (count == MostTimerMoments)
            break;
        if (moment.ends_with(" 09:00"))
            continue;
        lines += "OnCalendar=" + moment + ":00\n";
        ++count;
    }
    if (lines.empty())
        return {};
    // A moment that passes while the machine is off or asleep is made up at the next start.
    return "[Unit]\n"
           "Description=Moonrill: reminders at their moments\n"
           "\n"
           "[Timer]\n" +
           lines +
           "Persistent=true\n"
           "\n"
           "[Install]\n"
           "WantedBy=timers.target\n";
}

bool SetReminderMoments(const std::vector<std::string> &moments)
{
    const std::string folder = UserUnitFolder();
    const std::string path = JoinPath(folder, ReminderTimer);
    const std::string text = ReminderTimerText(moments);
    std::optional<std::string> old;
    try {
        // Not set up (the scan at logon is off): nothing to give moments to.
        if (::access(JoinPath(folder, DailyScanTimer).c_str(), F_OK) != 0)
            return false;
        old = ReadWholeFile(path);
        if (text.empty() && old) {
            RemoveReminderTimer();
            UserSystemctl({"daemon-reload"});
            return true;
        }
        if (text.empty() || old == text)
            return false;
        // A set-up of an earlier version has the daily service alone: this one is made from it.
        const std::string service = JoinPath(folder, ReminderService);
        if (::access(service.c_str(), F_OK) != 0) {
            const std::optional<std::string> daily =
                ReadWholeFile(JoinPath(folder, DailyScanService));
            const std::optional<std::string> own = daily ? remindersOf(*daily) : std::nullopt;
            if (!own)
                return false;
            WriteFileAtomically(service, *own);
        }
        WriteFileAtomically(path, text);
    } catch (const MoonrillError &) {
        return false;
    }
    UserSystemctl({"daemon-reload"});
    // A timer read again is set again at its next moment by a restart.
    if (old)
        UserSystemctl({"restart", ReminderTimer});
    else
        UserSystemctl({"enable", "--now", ReminderTimer});
    return true;
}

void RemoveReminderTimer()
{
    const std::string path = JoinPath(UserUnitFolder(), ReminderTimer);
    if (::access(path.c_str(), F_OK) != 0)
        return;
    UserSystemctl({"disable", "--now", ReminderTimer});
    ::unlink(path.c_str());
}
