#include "Date.h"
#include "GuiLoader.h"
#include "LogonScan.h"
#include "Paths.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string_view>

int main(int argc, char *argv[])
{
    try {
        // Only the one argument "whatsup", exactly so, runs the logon scan.
        if (argc == 2 && std::string_view(argv[1]) == "whatsup") {
            LazyLogonScreens screens(argc, argv);
            // The daily timer's runs carry this mark; logon runs always show what is due.
            const char *daily = std::getenv("MOONRILL_DAILY");
            const bool isDaily = daily != nullptr && std::string_view(daily) == "1";
            return RunLogonScan(ProgramFolder(), Date::today(), screens, isDaily) ? 0 : 1;
        }
        return GuiLoader().RunMainWindow(argc, argv);
    } catch (const std::exception &error) {
        // Nothing can be shown without the windows library; the terminal or the session's log
        // is the one place left to say why.
        std::cerr << "moonrill: " << error.what() << '\n';
        return 1;
    }
}
