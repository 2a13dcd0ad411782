// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiLoader.h"

#include "BusCheck.h"
#include "DisplayCheck.h"
#include "GuiModule.h"
#include "MoonrillError.h"
#include "Paths.h"
#include "ReminderRun.h"

#include <dlfcn.h>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

std::string modulePath(std::string_view file)
{
    const std::string folder = ExecutableFolder();
    std::string beside = JoinPath(folder, file);
    if (::access(beside.c_str(), R_OK) == 0)
        return beside;
    return JoinPath(folder, "../lib/moonrill/modules/" + std::string(file));
}

template <typename Function> Function *entry(void *handle, const char *name)
{
    void *address = ::dlsym(handle, name);
    if (address == nullptr)
        throw MoonrillError(MoonrillError::Internal,
                            "The program's windows cannot be found: " + std::string(::dlerror()));
    return reinterpret_cast<Function *>(address);
}

void *openModule(std::string_view file)
{
    const std::string path = modulePath(file);
    void *handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        throw MoonrillError(MoonrillError::FileNotFound,
                            "The program's windows cannot be loaded: " + std::string(::dlerror()));
    return handle;
}

} // namespace

GuiLoader::GuiLoader(std::string_view file)
{
    // The toolkit, the keyring and the notifications each wait on the session bus in turn: a
    // bus that took the connection and says nothing is found once, here, within seconds.
    AvoidMuteSessionBus();
    m_handle = openModule(file);
}

GuiLoader::GuiLoader(std::string_view file, OwnBusDeadlines) : m_handle(openModule(file)) {}

int GuiLoader::RunMainWindow(int &argc, char **argv) const
{
    return entry<decltype(MoonrillRunMainWindow)>(m_handle, "MoonrillRunMainWindow")(&argc, argv);
}

int GuiLoader::RunSync(int &argc, char **argv) const
{
    return entry<decltype(MoonrillSync)>(m_handle, "MoonrillSync")(&argc, argv);
}

void GuiLoader::SyncAfterLogonScan(int &argc, char **argv) const
{
    entry<decltype(MoonrillSyncAfterLogonScan)>(m_handle, "MoonrillSyncAfterLogonScan")(&argc,
                                                                                        argv);
}

std::unique_ptr<LogonScreens> GuiLoader::StartLogonScreens(int &argc, char **argv) const
{
    return std::unique_ptr<LogonScreens>(entry<decltype(MoonrillStartLogonScreens)>(
        m_handle, "MoonrillStartLogonScreens")(&argc, argv));
}

LogonScreens &LazyLogonScreens::screens()
{
    if (m_screens)
        return *m_screens;
    std::string failure;
    try {
        if (const std::optional<std::string> trouble = DisplayTrouble()) {
            failure = *trouble;
        } else {
            if (!m_loader)
                m_loader.emplace();
            m_screens = m_loader->StartLogonScreens(m_argc, m_argv);
        }
    } catch (const std::exception &error) {
        failure = error.what();
    }
    if (m_screens)
        return *m_screens;
    std::cerr << "moonrill: no window can be shown: " << failure << '\n';
    m_screens = std::make_unique<TextScreens>(std::cout, std::cerr);
    return *m_screens;
}

bool LazyLogonScreens::ShowMessageBox(const std::string &text, Icon icon)
{
    return screens().ShowMessageBox(text, icon);
}

std::string LazyLogonScreens::Translated(std::string_view words)
{
    return screens().Translated(words);
}

bool LazyLogonScreens::ShowDueEvents(ScanResult &scan)
{
    return screens().ShowDueEvents(scan);
}

std::unique_ptr<DueNotifier> GuiLoader::StartNotifier() const
{
    return std::unique_ptr<DueNotifier>(
        entry<decltype(MoonrillStartNotifier)>(m_handle, "MoonrillStartNotifier")());
}

int GuiLoader::ServeActions(int &argc, char **argv) const
{
    return entry<decltype(MoonrillServeActions)>(m_handle, "MoonrillServeActions")(&argc, argv);
}

void NotifyDueReminders(const std::string &folder)
{
    const LocalMoment now = LocalNow();
    const std::vector<MomentReminder> due = TakeDueRemindersIn(folder, now);
    if (due.empty())
        return;
    try {
        const std::unique_ptr<DueNotifier> notifier =
            GuiLoader(NotifyModuleFile, GuiLoader::OwnBusDeadlines{}).StartNotifier();
        if (notifier->NotifyReminders(due))
            return;
        if (notifier->BusSilent())
            SetSessionBusAside(SilentBusTrouble);
    } catch (const std::exception &) {
        // No notification library: said the plain way below.
    }
    for (const MomentReminder &reminder : due)
        std::cout << ReminderNoticeText(reminder, now) << '\n';
}

bool LazyLogonScreens::NotifyDueEvents(const ScanResult &scan)
{
    // Once the windows are up (a message was shown), the scan is shown in them too.
    if (m_screens)
        return false;
    try {
        if (!m_notifyLoader)
            m_notifyLoader.emplace(NotifyModuleFile, GuiLoader::OwnBusDeadlines{});
        m_notifier = m_notifyLoader->StartNotifier();
        m_offersShow = !DisplayTrouble();
        if (m_notifier->Notify(scan.rows, m_offersShow))
            return true;
        // The windows that show the scan instead need not wait on that bus all over again.
        if (m_notifier->BusSilent())
            SetSessionBusAside(SilentBusTrouble);
    } catch (const std::exception &) {
        // No notification library: the scan is shown the other way.
    }
    m_notifier.reset();
    return false;
}

void LazyLogonScreens::FollowNotification(ScanResult &scan)
{
    // Without a window to offer there is nothing to wait for: the notification stays anyway.
    if (!m_notifier || !m_offersShow) {
        m_notifier.reset();
        return;
    }
    const bool show = m_notifier->AwaitShow();
    // Its bus connection is closed before the windows open theirs.
    m_notifier.reset();
    if (show)
        ShowDueEvents(scan);
}
