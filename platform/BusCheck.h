// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

/// How long any one desktop service on the session bus may keep the program waiting.
inline constexpr std::chrono::milliseconds BusDeadline{2000};

/// The session bus socket an address names (DBUS_SESSION_BUS_ADDRESS's form: the first
/// "unix:path=" or "unix:abstract=" entry, its escapes undone; an abstract name begins with a
/// NUL). No value for an address with no such entry.
[[nodiscard]] std::optional<std::string> BusSocketOf(std::string_view address);

/// Why a bus is mute that took the connection and then said nothing.
inline constexpr std::string_view SilentBusTrouble =
    "the session bus took the connection and did not answer";

/// The bus's first method call, Hello, as the wire carries it (little-endian, serial 1).
[[nodiscard]] std::string BusHelloMessage();

/// Asks the session bus the program would use to take our credentials and, where it takes
/// them, to say hello, as every library's first call does; waits at most `deadline` in all for
/// the answers. Why the bus is mute, where it took the connection and then said nothing; no
/// value where it answered, or where there is no bus to wait for at all (none named, or nothing
/// listening), which every caller already copes with at once.
[[nodiscard]] std::optional<std::string> MuteBusTrouble(std::chrono::milliseconds deadline);

/// Where the session bus is mute, turns this process away from it (for the toolkit, the keyring
/// and every library that would each wait on it in turn) and says so once on standard error.
/// A bus that answers, or none, is left as it is.
void AvoidMuteSessionBus();

/// Turns this process away from its session bus, found mute for the reason `trouble`, and says
/// so on standard error, as AvoidMuteSessionBus does.
void SetSessionBusAside(std::string_view trouble);

/// Whether AvoidMuteSessionBus set this process's session bus aside.
[[nodiscard]] bool SessionBusSetAside();
