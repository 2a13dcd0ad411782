// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServicesLoader.h"

#include "AtomicFile.h"
#include "MoonrillError.h"
#include "Paths.h"

#include <dlfcn.h>
#include <string>

namespace {

/// The services library's file name (app/ builds it as ServicesModuleFile).
constexpr std::string_view ServicesFile = "libmoonrill-services.so";

/// The folder of the object this code was linked into: the windows library, or a program that
/// holds the window itself.
std::string ownFolder()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void *>(&ownFolder), &info) != 0 && info.dli_fname != nullptr &&
        info.dli_fname[0] == '/')
        return FolderOf(info.dli_fname);
    return ExecutableFolder();
}

} // namespace

ServicesLoader::ServicesLoader(ServiceHost &host) : m_host(host) {}

ServicesLoader::~ServicesLoader() = default;

WindowServices &ServicesLoader::operator()()
{
    if (m_services)
        return *m_services;
    const std::string path = JoinPath(ownFolder(), ServicesFile);
    void *handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void *entry = handle != nullptr ? ::dlsym(handle, "MoonrillStartWindowServices") : nullptr;
    if (entry == nullptr) {
        const char *reason = ::dlerror();
        throw MoonrillError(MoonrillError::FileNotFound,
                            "The program's services cannot be loaded: " +
                                std::string(reason != nullptr ? reason : path));
    }
    m_services.reset(reinterpret_cast<decltype(MoonrillStartWindowServices) *>(entry)(m_host));
    return *m_services;
}
