// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Composition of mailto: links. A value is percent-encoded where it stands, so that "?", "&",
// "#" or "%" inside an address or a text can never add headers or cut the link short.

/// Percent-encodes every byte except letters, digits, "-", ".", "_", "~" and those in `keep`.
[[nodiscard]] std::string PercentEncode(std::string_view text, std::string_view keep = {});

/// An e-mail address encoded as the path of a mailto: link ("@" and "+" stay as they are).
[[nodiscard]] std::string EncodeMailAddress(std::string_view address);

/// The contact mail: "mailto:" + address + "?subject=" + "Moonrill - " + request type +
/// "&body=" + the program version, the system's name, the request type and the message, each
/// value percent-encoded; the message's line breaks (LF, or CR LF) become "%0A".
[[nodiscard]] std::string ContactMailLink(std::string_view address, std::string_view requestType,
                                          std::string_view version, std::string_view systemName,
                                          std::string_view message);

/// The subjects of the birthday mails, for a birthday today and for one missed.
inline constexpr std::string_view BirthdaySubject = "Happy birthday!";
inline constexpr std::string_view BelatedBirthdaySubject = "Happy belated birthday!";

/// "mailto:" + the encoded address + "?subject=" + the subject, as it is.
[[nodiscard]] std::string BirthdayMailLink(std::string_view address,
                                           std::string_view subject = BirthdaySubject);
