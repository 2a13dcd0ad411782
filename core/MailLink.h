#pragma once

#include <string>
#include <string_view>

// Composition of mailto: links. A value is percent-encoded where it stands, so that "?", "&",
// "#" or "%" inside an address or a text can never add headers or cut the link short.

/// Percent-encodes every byte except letters, digits, "-", ".", "_", "~" and those in `keep`.
[[nodiscard]] std::string PercentEncode(std::string_view text, std::string_view keep = {});

/// An e-mail address encoded as the path of a mailto: link ("@" and "+" stay as they are).
[[nodiscard]] std::string EncodeMailAddress(std::string_view address);

/// "mailto:" + the encoded address + "?subject=Happy birthday!".
[[nodiscard]] std::string BirthdayMailLink(std::string_view address);
