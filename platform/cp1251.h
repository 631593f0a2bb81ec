#pragma once

#include <string>
#include <string_view>

// The data files keep their texts in code page 1251; the program works in UTF-8.
namespace cp1251
{
std::string toUtf8(std::string_view bytes);
// Characters outside the code page become '?'. At most maxChars characters are taken.
std::string fromUtf8(std::string_view utf8, std::size_t maxChars = std::string::npos);
// Whether every character of the text has its own byte in the page, so storing loses nothing.
bool encodable(std::string_view utf8);
} // namespace cp1251
