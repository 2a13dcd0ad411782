// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GuiModule.h"
#include "LogonScan.h"
#include "TextScreens.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The library that holds the program's windows, loaded from beside the program or from its
/// installed place. It stays loaded to the end of the process: the toolkit cannot be unloaded.
class GuiLoader
{
public:
    /// Loads the library `file` (the windows, or the notification library); throws a
    /// MoonrillError (FileNotFound) saying why it cannot. Each call below throws one (Internal)
    /// when the library lacks its entry point.
    explicit GuiLoader(std::string_view file = GuiModuleFile);
    /// The same for a library that bounds every wait on the session bus itself (the
    /// notification library), which the load therefore does not ask first whether the bus
    /// answers.
    struct OwnBusDeadlines
    {
    };
    GuiLoader(std::string_view file, OwnBusDeadlines);

    int RunMainWindow(int &argc, char **argv) const;
    /// MoonrillSync: "moonrill sync".
    int RunSync(int &argc, char **argv) const;
    /// MoonrillSyncAfterLogonScan.
    void SyncAfterLogonScan(int &argc, char **argv) const;
    [[nodiscard]] std::unique_ptr<LogonScreens> StartLogonScreens(int &argc, char **argv) const;
    /// In the notification library: MoonrillStartNotifier.
    [[nodiscard]] std::unique_ptr<DueNotifier> StartNotifier() const;
    /// In the windows library: MoonrillServeActions.
    int ServeActions(int &argc, char **argv) const;

private:
    void *m_handle = nullptr;
};

/// Shows the reminders in `folder` that are due now, through the notification library, or on
/// standard output where none can be shown.
void NotifyDueReminders(const std::string &folder);

/// The logon scan's screens, with the windows library loaded and the desktop started only when
/// the first message or window is to be shown, and only once a display answered (DisplayTrouble):
/// where none does, the scan goes to standard output and the messages to standard error, after a
/// line that says why, and the windows library is never loaded.
class LazyLogonScreens final : public LogonScreens
{
public:
    LazyLogonScreens(int &argc, char **argv) : m_argc(argc), m_argv(argv) {}

    bool ShowMessageBox(const std::string &text, Icon icon) override;
    /// Asked just before a message is shown: the screens that will show it speak its language.
    [[nodiscard]] std::string Translated(std::string_view words) override;
    bool ShowDueEvents(ScanResult &scan) override;
    /// Through the notification library alone, offering the scan window where a display
    /// answers; the windows are loaded only when the user asks for them.
    bool NotifyDueEvents(const ScanResult &scan) override;
    void FollowNotification(ScanResult &scan) override;

private:
    LogonScreens &screens();

    int &m_argc;
    char **m_argv;
    std::optional<GuiLoader> m_loader;
    std::unique_ptr<LogonScreens> m_screens;
    std::optional<GuiLoader> m_notifyLoader;
    std::unique_ptr<DueNotifier> m_notifier;
    bool m_offersShow = false;
};
