#include "platform/cp1251.h"

#include <array>
#include <cstdint>
#include <optional>

namespace
{

// Unicode of bytes 0x80..0xFF; 0x98 has no letter and keeps its own code so it round-trips.
constexpr std::array<char16_t, 128> kHigh = {
    0x402, 0x403,  0x201a, 0x453,  0x201e, 0x2026, 0x2020, 0x2021, 0x20ac, 0x2030, 0x409,  0x2039,
    0x40a, 0x40c,  0x40b,  0x40f,  0x452,  0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014,
    0x98,  0x2122, 0x459,  0x203a, 0x45a,  0x45c,  0x45b,  0x45f,  0xa0,   0x40e,  0x45e,  0x408,
    0xa4,  0x490,  0xa6,   0xa7,   0x401,  0xa9,   0x404,  0xab,   0xac,   0xad,   0xae,   0x407,
    0xb0,  0xb1,   0x406,  0x456,  0x491,  0xb5,   0xb6,   0xb7,   0x451,  0x2116, 0x454,  0xbb,
    0x458, 0x405,  0x455,  0x457,  0x410,  0x411,  0x412,  0x413,  0x414,  0x415,  0x416,  0x417,
    0x418, 0x419,  0x41a,  0x41b,  0x41c,  0x41d,  0x41e,  0x41f,  0x420,  0x421,  0x422,  0x423,
    0x424, 0x425,  0x426,  0x427,  0x428,  0x429,  0x42a,  0x42b,  0x42c,  0x42d,  0x42e,  0x42f,
    0x430, 0x431,  0x432,  0x433,  0x434,  0x435,  0x436,  0x437,  0x438,  0x439,  0x43a,  0x43b,
    0x43c, 0x43d,  0x43e,  0x43f,  0x440,  0x441,  0x442,  0x443,  0x444,  0x445,  0x446,  0x447,
    0x448, 0x449,  0x44a,  0x44b,  0x44c,  0x44d,  0x44e,  0x44f};

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Reads one code point; malformed input yields U+FFFD and moves on by one byte.
char32_t nextCodePoint(std::string_view s, std::size_t &i)
{
    const auto b0 = uint8_t(s[i++]);
    if (b0 < 0x80)
        return b0;
    int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + extra > s.size())
        return 0xFFFD;
    char32_t c = b0 & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto b = uint8_t(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0xFFFD;
        c = (c << 6) | (b & 0x3F);
    }
    i += extra;
    return c;
}

// The byte of c, or nothing when the page has no such character.
std::optional<char> byteOf(char32_t c)
{
    if (c < 0x80)
        return char(c);
    for (std::size_t k = 0; k < kHigh.size(); ++k) {
        if (kHigh[k] == c)
            return char(0x80 + k);
    }
    return std::nullopt;
}

} // namespace

namespace cp1251
{

std::string toUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto b = uint8_t(ch);
        appendUtf8(out, b < 0x80 ? char32_t(b) : char32_t(kHigh[b - 0x80]));
    }
    return out;
}

std::string fromUtf8(std::string_view utf8, std::size_t maxChars)
{
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size() && out.size() < maxChars)
        out += byteOf(nextCodePoint(utf8, i)).value_or('?');
    return out;
}

bool encodable(std::string_view utf8)
{
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (!byteOf(nextCodePoint(utf8, i)))
            return false;
    }
    return true;
}

} // namespace cp1251
