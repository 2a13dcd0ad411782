// SPDX-License-Identifier: GPL-3.0-or-later
#include "BusCheck.h"

#include "FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

/// The value of `key` in one address entry ("unix:path=/run/user/1000/bus,guid=..."), its
/// %-escapes undone.
std::optional<std::string> valueOf(std::string_view entry, std::string_view key)
{
    size_t start = entry.find(':');
    while (start != std::string_view::npos) {
        const std::string_view rest = entry.substr(start + 1);
        const std::string_view pair = rest.substr(0, rest.find(','));
        if (pair.starts_with(key) && pair.size() > key.size() && pair[key.size()] == '=') {
            std::string value;
            const std::string_view escaped = pair.substr(key.size() + 1);
            for (size_t i = 0; i < escaped.size(); ++i) {
                if (escaped[i] == '%' && i + 2 < escaped.size()) {
                    const std::string hex(escaped.substr(i + 1, 2));
                    char *end = nullptr;
                    const long byte = std::strtol(hex.c_str(), &end, 16);
                    if (hex.size() == 2 && end == hex.c_str() + 2) {
                        value += static_cast<char>(byte);
                        i += 2;
                        continue;
                    }
                }
                value += escaped[i];
            }
            return value;
        }
        start = entry.find(',', start + 1);
    }
    return std::nullopt;
}

/// The bus the program would use: the one its address names, or else the runtime folder's.
std::optional<std::string> sessionBusSocket()
{
    if (const char *address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address != nullptr)
        return BusSocketOf(address);
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0')
        return std::nullopt;
    return std::string(runtime) + "/bus";
}

/// Waits until `fd` is ready for `events` or `deadline` passes.
bool ready(int fd, short events, std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd watched{fd, events, 0};
        const int result = ::poll(&watched, 1, static_cast<int>(left.count()));
        if (result > 0)
            return true;
        if (result == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

std::optional<std::string> BusSocketOf(std::string_view address)
{
    while (!address.empty()) {
        const std::string_view entry = address.substr(0, address.find(';'));
        address.remove_prefix(std::min(address.size(), entry.size() + 1));
        if (!entry.starts_with("unix:"))
            continue;
        if (std::optional<std::string> path = valueOf(entry, "path"))
            return path;
        if (std::optional<std::string> name = valueOf(entry, "abstract"))
            return std::string(1, '\0') + *name;
    }
    return std::nullopt;
}

std::optional<std::string> MuteBusTrouble(std::chrono::milliseconds deadline)
{
    const std::optional<std::string> path = sessionBusSocket();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (!path || path->empty() || path->size() >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, path->data(), path->size());
    const socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path->size() +
                                                    ((*path)[0] == '\0' ? 0 : 1));
    const auto until = std::chrono::steady_clock::now() + deadline;
    const FileDescriptor bus(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (bus.get() < 0)
        return std::nullopt;
    if (::connect(bus.get(), reinterpret_cast<const sockaddr *>(&address), length) != 0) {
        // A listener whose queue is full takes nobody: as mute as one that never reads.
        if (errno != EAGAIN && errno != EINPROGRESS)
            return std::nullopt;
        if (!ready(bus.get(), POLLOUT, until))
            return "the session bus does not take a connection";
    }
    // The first words of every client: a NUL, then our credentials by the kernel's account.
    char hexUid[32] = {};
    std::string uid = std::to_string(::getuid());
    for (size_t i = 0; i < uid.size(); ++i)
        std::snprintf(hexUid + 2 * i, 3, "%02x", static_cast<unsigned char>(uid[i]));
    const std::string hello = std::string(1, '\0') + "AUTH EXTERNAL " + hexUid + "\r\n";
    if (::send(bus.get(), hello.data(), hello.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(hello.size()))
        return std::nullopt;
    // Any answer at all, even a refusal, is a bus that answers; one that takes us goes on to
    // the first call, which a bus can leave unanswered just as well.
    char answer[256];
    const ssize_t got =
        ready(bus.get(), POLLIN, until) ? ::recv(bus.get(), answer, sizeof answer, 0) : -1;
    if (got < 0)
        return std::string(SilentBusTrouble);
    if (got < 3 || std::memcmp(answer, "OK ", 3) != 0)
        return std::nullopt;
    const std::string begin = "BEGIN\r\n" + BusHelloMessage();
    if (::send(bus.get(), begin.data(), begin.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(begin.size()))
        return std::nullopt;
    if (ready(bus.get(), POLLIN, until) && ::recv(bus.get(), answer, sizeof answer, 0) >= 0)
        return std::nullopt;
    return std::string(SilentBusTrouble);
}

std::string BusHelloMessage()
{
    // The fixed header (endianness, method call, no flags, version 1, no body, serial 1), then
    // the header fields as an array of (code, variant), each field aligned to 8 bytes.
    std::string message{'l', 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    const auto pad = [&message](size_t alignment) {
        message.resize((message.size() + alignment - 1) / alignment * alignment, '\0');
    };
    const auto field = [&](char code, char signature, std::string_view value) {
        pad(8);
        message += {code, 1, signature, '\0'};
        const auto length = static_cast<uint32_t>(value.size());
        for (int shift = 0; shift < 32; shift += 8)
            message += static_cast<char>((length >> shift) & 0xff);
        message.append(value) += '\0';
    };
    field(1, 'o', "/org/freedesktop/DBus");
    field(6, 's', "org.freedesktop.DBus");
    field(2, 's', "org.freedesktop.DBus");
    field(3, 's', "Hello");
    const auto fields = static_cast<uint32_t>(message.size() - 16);
    for (int shift = 0; shift < 32; shift += 8)
        message[12 + shift / 8] = static_cast<char>((fields >> shift) & 0xff);
    pad(8);
    return message;
}

namespace {

/// A path that is no socket: every library that tries the bus there fails at once.
constexpr const char *SetAside = "unix:path=/dev/null";

} // namespace

bool SessionBusSetAside()
{
    const char *address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    return address != nullptr && std::strcmp(address, SetAside) == 0;
}

void AvoidMuteSessionBus()
{
    if (const std::optional<std::string> trouble = MuteBusTrouble(BusDeadline))
        SetSessionBusAside(*trouble);
}

void SetSessionBusAside(std::string_view trouble)
{
    ::setenv("DBUS_SESSION_BUS_ADDRESS", SetAside, 1);
    std::fprintf(stderr, "moonrill: %.*s; going on without the desktop's services\n",
                 static_cast<int>(trouble.size()), trouble.data());
}
