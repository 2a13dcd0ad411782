// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotification.h"

#include "AppId.h"
#include "BusCheck.h"

#include <systemd/sd-bus.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr const char *Service = "org.freedesktop.Notifications";
constexpr const char *Path = "/org/freedesktop/Notifications";
/// The desktop portal's GTK backend, which turns a button of a notification into the
/// application's ActivateAction, whether or not the program that sent it still runs.
constexpr const char *PortalBackend = "org.freedesktop.impl.portal.desktop.gtk";

struct MessageRelease
{
    void operator()(sd_bus_message *message) const { sd_bus_message_unref(message); }
};
using Message = std::unique_ptr<sd_bus_message, MessageRelease>;

uint64_t microseconds(std::chrono::milliseconds span)
{
    return uint64_t(
        std::chrono::microseconds(std::max(span, std::chrono::milliseconds(0))).count());
}

Message methodCall(sd_bus *bus, const char *service, const char *path, const char *interface,
                   const char *member)
{
    sd_bus_message *message = nullptr;
    if (bus == nullptr ||
        sd_bus_message_new_method_call(bus, &message, service, path, interface, member) < 0)
        return {};
    return Message(message);
}

/// Lets the bus take in and hand out what comes until `done` holds, the connection fails or
/// `deadline` passes; whether `done` holds.
template <typename Done>
bool processUntil(sd_bus *bus, std::chrono::steady_clock::time_point deadline, const Done &done)
{
    while (!done()) {
        const int processed = sd_bus_process(bus, nullptr);
        if (processed < 0)
            return false;
        if (processed > 0)
            continue;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || sd_bus_wait(bus, microseconds(left)) < 0)
            return false;
    }
    return true;
}

/// The reply to `call`, or none where it failed or no answer came within `deadline`.
Message replyTo(sd_bus *bus, const Message &call, std::chrono::milliseconds deadline = BusDeadline)
{
    if (!call)
        return {};
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_bus_message *reply = nullptr;
    const int status = sd_bus_call(bus, call.get(), microseconds(deadline), &error, &reply);
    sd_bus_error_free(&error);
    return status < 0 ? Message() : Message(reply);
}

/// Whether the string array the reply holds first names `wanted`.
bool lists(const Message &reply, std::string_view wanted)
{
    char **strings = nullptr;
    if (!reply || sd_bus_message_read_strv(reply.get(), &strings) < 0)
        return false;
    bool found = false;
    for (char **each = strings; each != nullptr && *each != nullptr; ++each) {
        found = found || wanted == *each;
        std::free(*each);
    }
    std::free(static_cast<void *>(strings));
    return found;
}

/// A service that reads markup would take "<" and "&" in a description for tags.
std::string markupEscaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '&':
            escaped += "&amp;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

/// Appends a dictionary entry whose value is a string.
bool appendEntry(sd_bus_message *message, const char *key, const std::string &value)
{
    return sd_bus_message_append(message, "{sv}", key, "s", value.c_str()) >= 0;
}

} // namespace

void DesktopNotification::BusRelease::operator()(sd_bus *bus) const
{
    sd_bus_flush_close_unref(bus);
}

DesktopNotification::DesktopNotification()
{
    sd_bus *bus = nullptr;
    if (sd_bus_open_user(&bus) < 0)
        return;
    m_bus.reset(bus);
    // The library would wait for the bus's answer to its greeting as long as the bus keeps the
    // connection: a bus that took it and says nothing is given up at our own deadline, and the
    // notification is then shown some other way.
    const auto ready = [bus] { return sd_bus_is_ready(bus) != 0; };
    if (processUntil(bus, std::chrono::steady_clock::now() + BusDeadline, ready) &&
        sd_bus_is_ready(bus) > 0)
        return;
    // Still waiting at the deadline, rather than turned away: a bus that says nothing.
    m_silent = sd_bus_is_ready(bus) == 0;
    // (Let go without the flush, which would wait for the answer all over again.)
    sd_bus_close_unref(m_bus.release());
}

DesktopNotification::~DesktopNotification() = default;

bool DesktopNotification::Show(const std::string &summary, const std::string &body,
                               const std::string &action)
{
    sd_bus *bus = m_bus.get();
    if (bus == nullptr)
        return false;
    // Only a text that markup would read otherwise needs to know whether the service reads
    // markup: the question is one more wait on the service, at every daily run.
    const std::string escaped = markupEscaped(body);
    bool markup = false;
    if (escaped != body) {
        const Message capabilities =
            replyTo(bus, methodCall(bus, Service, Path, Service, "GetCapabilities"));
        if (!capabilities)
            return false;
        markup = lists(capabilities, "body-markup");
    }
    if (!action.empty()) {
        // Listened for before the notification stands, so that no press can come first.
        const auto signal = [](sd_bus_message *message, void *self, sd_bus_error *) {
            auto &notification = *static_cast<DesktopNotification *>(self);
            uint32_t id = 0;
            const char *key = "";
            const bool invoked =
                std::string_view(sd_bus_message_get_member(message)) == "ActionInvoked";
            if (invoked ? sd_bus_message_read(message, "us", &id, &key) < 0
                        : sd_bus_message_read(message, "u", &id) < 0)
                return 0;
            // Only the service that showed it speaks for the notification.
            if (id == notification.m_id && id != 0 &&
                notification.m_server == sd_bus_message_get_sender(message))
                notification.m_outcome = !invoked ? Outcome::Closed
                                         : std::string_view(key) == "default"
                                             ? Outcome::Invoked
                                             : notification.m_outcome;
            return 0;
        };
        // Asked for without waiting: the bus takes a connection's messages in order, so the
        // match stands before the service hears of the notification. (Should the bus refuse it,
        // the connection closes and the notification below fails with it.)
        for (const char *member : {"ActionInvoked", "NotificationClosed"})
            if (sd_bus_match_signal_async(bus, nullptr, nullptr, Path, Service, member, signal,
                                          nullptr, this) < 0)
                return false;
    }
    const Message notify = methodCall(bus, Service, Path, Service, "Notify");
    // A desktop that starts programs for their notifications' actions finds ours by this.
    const std::string desktopEntry(AppId);
    const std::string &text = markup ? escaped : body;
    bool made = notify && sd_bus_message_append(notify.get(), "susss", "Moonrill", 0U, "moonrill",
                                                summary.c_str(), text.c_str()) >= 0;
    made = made && (action.empty() ? sd_bus_message_append(notify.get(), "as", 0)
                                   : sd_bus_message_append(notify.get(), "as", 2, "default",
                                                           action.c_str())) >= 0;
    made = made && sd_bus_message_append(notify.get(), "a{sv}i", 1, "desktop-entry", "s",
                                         desktopEntry.c_str(), 0) >= 0;
    const Message reply = made ? replyTo(bus, notify) : Message();
    uint32_t id = 0;
    if (!reply || sd_bus_message_read(reply.get(), "u", &id) < 0)
        return false;
    m_id = id;
    const char *server = sd_bus_message_get_sender(reply.get());
    m_server = server == nullptr ? std::string() : std::string(server);
    m_outcome = Outcome::Standing;
    return true;
}

bool DesktopNotification::WaitForAction(std::chrono::milliseconds longest)
{
    if (sd_bus *bus = m_bus.get())
        processUntil(bus, std::chrono::steady_clock::now() + longest,
                     [this] { return m_outcome != Outcome::Standing; });
    return m_outcome == Outcome::Invoked;
}

void DesktopNotification::Close()
{
    if (m_id == 0)
        return;
    sd_bus *bus = m_bus.get();
    const Message close = methodCall(bus, Service, Path, Service, "CloseNotification");
    if (close && sd_bus_message_append(close.get(), "u", m_id) >= 0)
        replyTo(bus, close);
}

bool DesktopNotification::ShowReminder(const std::string &id, const std::string &summary,
                                       const std::vector<Button> &buttons)
{
    sd_bus *bus = m_bus.get();
    const Message activatable =
        replyTo(bus, methodCall(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                "org.freedesktop.DBus", "ListActivatableNames"));
    if (lists(activatable, PortalBackend)) {
        const Message add =
            methodCall(bus, PortalBackend, "/org/freedesktop/portal/desktop",
                       "org.freedesktop.impl.portal.Notification", "AddNotification");
        sd_bus_message *message = add.get();
        const std::string appId(AppId);
        bool made = add && sd_bus_message_append(message, "ss", appId.c_str(), id.c_str()) >= 0 &&
                    sd_bus_message_open_container(message, 'a', "{sv}") >= 0 &&
                    appendEntry(message, "title", summary) && appendEntry(message, "body", {}) &&
                    appendEntry(message, "priority", "high") &&
                    sd_bus_message_open_container(message, 'e', "sv") >= 0 &&
                    sd_bus_message_append(message, "s", "buttons") >= 0 &&
                    sd_bus_message_open_container(message, 'v', "aa{sv}") >= 0 &&
                    sd_bus_message_open_container(message, 'a', "a{sv}") >= 0;
        // Each button a dictionary, as the backend reads its buttons.
        for (const Button &button : buttons)
            made = made && sd_bus_message_open_container(message, 'a', "{sv}") >= 0 &&
                   appendEntry(message, "label", button.label) &&
                   appendEntry(message, "action", "app." + button.action) &&
                   appendEntry(message, "target", button.parameter) &&
                   sd_bus_message_close_container(message) >= 0;
        for (int level = 0; level < 4; ++level)
            made = made && sd_bus_message_close_container(message) >= 0;
        // The backend may have to start first: it is given the time a service has to start.
        if (made && replyTo(bus, add, BusDeadline * 3))
            return true;
    }
    return Show(summary, {}, {});
}
