#include "GuiLoader.h"

#include "GuiModule.h"
#include "Paths.h"

#include <array>
#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <iostream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
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

/// What `fd` gives until its end, the first 64 KB of it kept. The rest is read and dropped, so
/// that a talkative child never blocks on a full pipe while we wait for it.
std::string readAll(int fd)
{
    std::string text;
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        if (text.size() < 65536)
            text.append(buffer.data(), static_cast<size_t>(n));
    }
    return text;
}

/// The first line of what the toolkit said, which names the trouble.
std::string firstLine(const std::string &text)
{
    size_t start = text.find_first_not_of("\r\n");
    if (start == std::string::npos)
        return "the desktop could not be started";
    return text.substr(start, text.find_first_of("\r\n", start) - start);
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

std::optional<std::string> GuiLoader::DesktopFailure(int &argc, char **argv) const
{
    auto *const probe = entry<decltype(MoonrillProbeDesktop)>(m_handle, "MoonrillProbeDesktop");
    std::array<int, 2> pipe{};
    if (::pipe2(pipe.data(), O_CLOEXEC) != 0)
        return std::nullopt; // no way to ask: try the windows themselves
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipe[1], STDERR_FILENO);
        ::_exit(probe(&argc, argv));
    }
    ::close(pipe[1]);
    if (child < 0) {
        ::close(pipe[0]);
        return std::nullopt;
    }
    const std::string said = readAll(pipe[0]);
    ::close(pipe[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return std::nullopt;
    return firstLine(said);
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
        if (!m_loader)
            m_loader.emplace();
        if (const std::optional<std::string> trouble = m_loader->DesktopFailure(m_argc, m_argv))
            failure = *trouble;
        else
            m_screens = m_loader->StartLogonScreens(m_argc, m_argv);
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

bool LazyLogonScreens::ShowDueEvents(ScanResult &scan)
{
    return screens().ShowDueEvents(scan);
}
