// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paths.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef MOONRILL_SHARE_DIR
#define MOONRILL_SHARE_DIR "/usr/local/share/moonrill"
#endif

namespace {

std::string absoluteEnv(const char *name)
{
    const char *value = std::getenv(name);
    if (value == nullptr || value[0] != '/')
        return {};
    return value;
}

std::string homeFolder()
{
    std::string home = absoluteEnv("HOME");
    if (!home.empty())
        return home;
    if (const passwd *entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return "/tmp";
}

bool exists(const std::string &path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0;
}

} // namespace

std::string JoinPath(std::string_view folder, std::string_view name)
{
    while (!name.empty() && name.front() == '/')
        name.remove_prefix(1);
    std::string path(folder);
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    path += '/';
    path += name;
    return path;
}

bool MakeFolders(const std::string &folder)
{
    if (folder.empty())
        return false;
    for (size_t at = folder.find('/', 1);; at = folder.find('/', at + 1)) {
        const std::string part = folder.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (at == std::string::npos)
            break;
    }
    struct stat info
    {
    };
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ProgramFolder()
{
    // A relative folder is taken from where the program was started: falling back to the
    // user's own data folder instead would read and change the real list (and its autostart
    // entry and timer) of someone who meant to keep a list apart.
    std::string folder = absoluteEnv("MOONRILL_HOME");
    if (const char *given = std::getenv("MOONRILL_HOME");
        folder.empty() && given != nullptr && given[0] != '\0') {
        std::string here(PATH_MAX, '\0');
        if (::getcwd(here.data(), here.size()) != nullptr)
            folder = JoinPath(here.c_str(), given);
    }
    if (folder.empty()) {
        std::string data = absoluteEnv("XDG_DATA_HOME");
        if (data.empty())
            data = JoinPath(homeFolder(), ".local/share");
        folder = JoinPath(data, "moonrill");
    }
    MakeFolders(folder);
    return folder;
}

std::string ConfigFolder()
{
    std::string folder = absoluteEnv("XDG_CONFIG_HOME");
    return folder.empty() ? JoinPath(homeFolder(), ".config") : folder;
}

std::string ExecutableFolder()
{
    std::string path(PATH_MAX, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0)
        return ".";
    path.resize(static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string AssetPath(std::string_view relative)
{
    // A folder named by $MOONRILL_ASSET_DIR replaces both (tests, portable installs).
    if (const std::string assets = absoluteEnv("MOONRILL_ASSET_DIR"); !assets.empty())
        return JoinPath(assets, relative);
    std::string beside = JoinPath(ExecutableFolder(), relative);
    if (exists(beside))
        return beside;
    // An installed tree moved as a whole (unpacked somewhere else) keeps bin/ beside share/.
    std::string shared = JoinPath(ExecutableFolder(), "../share/moonrill/" + std::string(relative));
    if (exists(shared))
        return shared;
    return JoinPath(MOONRILL_SHARE_DIR, relative);
}
