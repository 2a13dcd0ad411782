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

std::string BirthdayMailLink(std::string_view address)
{
    return "mailto:" + EncodeMailAddress(address) + "?subject=Happy birthday!";
}
