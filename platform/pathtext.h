#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Paths made from text and text made from paths, in UTF-8. MinGW's library reads a narrow
// std::string in the ANSI code page, which loses letters outside it, so these go through
// char8_t whatever the system.
inline std::filesystem::path pathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8Of(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
