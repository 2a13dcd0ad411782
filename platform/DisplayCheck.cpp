// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

#include "FileDescriptor.h"

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>

namespace {

std::string_view environment(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr ? std::string_view(value) : std::string_view();
}

/// Whether the X server of $DISPLAY accepts us, authority and all. The X library is the one the
/// toolkit's own X platform uses; it is loaded only here, so that a run without a display never
/// loads it.
bool xServerAnswers()
{
    void *library = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return false;
    using Connect = void *(const char *, int *);
    using HasError = int(void *);
    using Disconnect = void(void *);
    auto *connect = reinterpret_cast<Connect *>(::dlsym(library, "xcb_connect"));
    auto *hasError = reinterpret_cast<HasError *>(::dlsym(library, "xcb_connection_has_error"));
    auto *disconnect = reinterpret_cast<Disconnect *>(::dlsym(library, "xcb_disconnect"));
    bool answers = false;
    if (connect != nullptr && hasError != nullptr && disconnect != nullptr) {
        // A failed connection is an object too, which must be freed.
        void *connection = connect(nullptr, nullptr);
        answers = hasError(connection) == 0;
        disconnect(connection);
    }
    ::dlclose(library);
    return answers;
}

/// Whether the Wayland compositor's socket named `name` (in $XDG_RUNTIME_DIR unless absolute)
/// takes a connection.
bool waylandAnswers(std::string_view name)
{
    std::string path(name);
    if (!name.starts_with('/'))
        path = std::string(environment("XDG_RUNTIME_DIR")) + "/" + path;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return socket.get() >= 0 &&
           ::connect(socket.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) ==
               0;
}

} // namespace

std::optional<std::string> DisplayTrouble()
{
    const std::string_view platform = environment("QT_QPA_PLATFORM");
    const bool x = platform.empty() || platform.find("xcb") != std::string_view::npos;
    const bool wayland = platform.empty() || platform.find("wayland") != std::string_view::npos;
    if (!x && !wayland)
        return std::nullopt;
    std::string trouble;
    const std::string_view compositor = environment("WAYLAND_DISPLAY");
    if (wayland && !compositor.empty()) {
        if (waylandAnswers(compositor))
            return std::nullopt;
        trouble = "the Wayland display " + std::string(compositor) + " does not answer";
    }
    const std::string_view display = environment("DISPLAY");
    if (x && !display.empty()) {
        if (xServerAnswers())
            return std::nullopt;
        trouble = "the X display " + std::string(display) + " does not answer";
    }
    return trouble.empty() ? "no display is set (DISPLAY, WAYLAND_DISPLAY)" : trouble;
}
