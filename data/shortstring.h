#pragma once

#include "platform/cp1251.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// A length byte and a fixed room of code page 1251 characters, as kept in memory and on disk.
template <std::size_t Capacity> struct ShortString {
    uint8_t Length;
    char Chars[Capacity];

    static constexpr std::size_t capacity() { return Capacity; }

    // The length never reaches past the room, whatever a file put in the length byte.
    std::size_t length() const { return std::min<std::size_t>(Length, Capacity); }
    bool empty() const { return Length == 0; }
    std::string_view bytes() const { return {Chars, length()}; }
    std::string text() const { return cp1251::toUtf8(bytes()); }
    char last() const { return length() == 0 ? '\0' : Chars[length() - 1]; }

    void clampLength() { Length = uint8_t(length()); }
    void clear() { *this = ShortString{}; }

    static ShortString fromBytes(std::string_view bytes)
    {
        ShortString s{};
        s.Length = uint8_t(std::min(bytes.size(), Capacity));
        std::memcpy(s.Chars, bytes.data(), s.Length);
        return s;
    }
    static ShortString fromText(std::string_view utf8, std::size_t maxChars = Capacity)
    {
        return fromBytes(cp1251::fromUtf8(utf8, std::min(maxChars, Capacity)));
    }

    // Equal names have the same length and the same characters within it.
    friend bool operator==(const ShortString &a, const ShortString &b)
    {
        return a.Length == b.Length && a.bytes() == b.bytes();
    }
};

// What the entry fields allow: names and passwords of up to 16 characters, competition titles
// of up to 20.
constexpr int kMaxNameChars = 16;
constexpr int kMaxTitleChars = 20;

using Str17 = ShortString<17>;
using Str21 = ShortString<21>;

static_assert(sizeof(Str17) == 18 && sizeof(Str21) == 22);
