#include "GuiLoader.h"

#include "GuiModule.h"
#include "Paths.h"

#include <dlfcn.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

std::string modulePath()
{
    const std::string folder = ExecutableFolder();
    std::string beside = JoinPath(folder, GuiModuleFile);
    if (::access(beside.c_str(), R_OK) == 0)
        return beside;
    return JoinPath(folder, "../lib/moonrill/" + std::string(GuiModuleFile));
}

template <typename Function> Function *entry(void *handle, const char *name)
{
    void *address = ::dlsym(handle, name);
    if (address == nullptr)
        throw std::runtime_error("The program's windows cannot be found: " +
                                 std::string(::dlerror()));
    return reinterpret_cast<Function *>(address);
}

} // namespace

GuiLoader::GuiLoader()
{
    const std::string path = modulePath();
    m_handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr)
        throw std::runtime_error("The program's windows cannot be loaded: " +
                                 std::string(::dlerror()));
}

int GuiLoader::RunMainWindow(int &argc, char **argv) const
{
    return entry<decltype(MoonrillRunMainWindow)>(m_handle, "MoonrillRunMainWindow")(&argc, argv);
}

std::unique_ptr<LogonScreens> GuiLoader::StartLogonScreens(int &argc, char **argv) const
{
    return std::unique_ptr<LogonScreens>(entry<decltype(MoonrillStartLogonScreens)>(
        m_handle, "MoonrillStartLogonScreens")(&argc, argv));
}

LogonScreens &LazyLogonScreens::screens()
{
    if (!m_screens) {
        if (!m_loader)
            m_loader.emplace();
        m_screens = m_loader->StartLogonScreens(m_argc, m_argv);
    }
    return *m_screens;
}

void LazyLogonScreens::ShowCriticalMessage(const std::string &text)
{
    screens().ShowCriticalMessage(text);
}

void LazyLogonScreens::ShowDueEvents(const std::vector<ScanRow> &rows,
                                     std::vector<std::string> &birthdayMails)
{
    screens().ShowDueEvents(rows, birthdayMails);
}
