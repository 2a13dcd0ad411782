// SPDX-License-Identifier: GPL-3.0-or-later
#include "MailLink.h"

std::string PercentEncode(std::string_view text, std::string_view keep)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                           c == '~' || keep.find(c) != std::string_view::npos;
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 15];
        }
    }
    return out;
}

std::string EncodeMailAddress(std::string_view address)
{
    return PercentEncode(address, "@+");
}

std::string ContactMailLink(std::string_view address, std::string_view requestType,
                            std::string_view version, std::string_view systemName,
                            std::string_view message)
{
    std::string text(message);
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    const std::string body = "Moonrill version: " + std::string(version) + "\n" +
                             "Windows version: " + std::string(systemName) + "\n\n" + "-> " +
                             std::string(requestType) + ":\n" + text;
    return "mailto:" + EncodeMailAddress(address) +
           "?subject=" + PercentEncode("Moonrill - " + std::string(requestType)) +
           "&body=" + PercentEncode(body);
}

std::string BirthdayMailLink(std::string_view address, std::string_view subject)
{
    return "mailto:" + EncodeMailAddress(address) + "?subject=" + std::string(subject);
}
