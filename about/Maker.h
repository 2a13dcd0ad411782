#pragma once

#include <string_view>

// The maker's addresses, in one place. The folder on the web host holds the home page, the
// update's version page and its archives.
inline constexpr std::string_view MakerFolder = "https://moonrill.example.org/";
inline constexpr std::string_view HomePage = "https://moonrill.example.org/moonrill.html";
inline constexpr std::string_view SupportAddress = "support@moonrill.example.org";
