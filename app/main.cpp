// SPDX-License-Identifier: GPL-3.0-or-later
#include "DailyScan.h"
#include "Date.h"
#include "GuiLoader.h"
#include "LogonScan.h"
#include "Paths.h"
#include "SyncConfig.h"
#include "Version.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view Usage =
    "Usage: moonrill [whatsup | sync [--confirm-removal | --restore]]\n"
    "Keeps your appointments, birthdays and recurring duties, and tells you what falls due.\n"
    "\n"
    "  (no argument)  open the list of events\n"
    "  whatsup        show only what falls due within its notice period, then end (as at logon)\n"
    "  sync           sync the events both ways with the calendar set in sync.conf, then end\n"
    "  sync --confirm-removal\n"
    "                 the same, and where one side was emptied, empty the other too\n"
    "  sync --restore the same, and where one side was emptied, fill it again from the other\n"
    "  --help         show this help and end\n"
    "  --version      show the version and end\n"
    "\n"
    "The events live in events.mrl in $MOONRILL_HOME, or else in $XDG_DATA_HOME/moonrill\n"
    "(by default ~/.local/share/moonrill).\n"
    "\n"
    "Two computers and a phone share one list through one calendar on a CalDAV server: set the\n"
    "same calendar on each computer (Calendar Sync... in the File menu) and on the phone. Each\n"
    "sync sends what changed in the list and takes what changed on the server.\n"
    "\n"
    "Exit status of sync: 0 the server and the list hold the same events (objects the list\n"
    "cannot hold stay on the server and are named), 1 something was not sent, taken or settled\n"
    "(said on standard error; done at the next sync), 2 a window runs.\n";

} // namespace

int main(int argc, char *argv[])
{
    // Answered without a display, so that they work in any terminal.
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::cout << Usage;
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << "moonrill " << ProgramVersionText() << '\n';
        return 0;
    }
    try {
        // The session bus starts the program so for a reminder's Snooze or Done.
        if (argc == 2 && std::string_view(argv[1]) == BusActivationArgument)
            return GuiLoader().ServeActions(argc, argv);
        // Only the one argument "whatsup", exactly so, runs the logon scan.
        if (argc == 2 && std::string_view(argv[1]) == "whatsup") {
            // The reminders whose moment came (the reminders' timer started this run for them) or
            // passed while no run saw it, before the scan, which may wait all day on its
            // notification.
            const std::string folder = ProgramFolder();
            NotifyDueReminders(folder);
            // The reminders' timer's runs are for them alone.
            const char *reminders = std::getenv("MOONRILL_REMINDERS");
            if (reminders != nullptr && std::string_view(reminders) == "1")
                return 0;
            LazyLogonScreens screens(argc, argv);
            // The daily timer's runs carry this mark; logon runs always show what is due.
            const char *daily = std::getenv("MOONRILL_DAILY");
            const bool isDaily = daily != nullptr && std::string_view(daily) == "1";
            const bool done = RunLogonScan(folder, Date::today(), screens, isDaily);
            // Only a calendar set to sync to costs the logon anything more.
            if (SyncIsSet())
                GuiLoader(ServicesModuleFile).SyncAfterLogonScan(argc, argv);
            return done ? 0 : 1;
        }
        if ((argc == 2 || (argc == 3 && (std::string_view(argv[2]) == "--confirm-removal" ||
                                         std::string_view(argv[2]) == "--restore"))) &&
            std::string_view(argv[1]) == "sync")
            return GuiLoader(ServicesModuleFile).RunSync(argc, argv);
        return GuiLoader().RunMainWindow(argc, argv);
    } catch (const std::exception &error) {
        // Nothing can be shown without the windows library; the terminal or the session's log
        // is the one place left to say why.
        std::cerr << "moonrill: " << error.what() << '\n';
        return 1;
    }
}
