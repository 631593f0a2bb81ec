#pragma once

#include <cassert>
#include <cstddef>

// A fixed array indexed from 1, as every entry number of the game is.
template <typename T, std::size_t N> struct OneBased {
    T items[N];

    T &operator[](std::size_t i)
    {
        assert(i >= 1 && i <= N);
        return items[i - 1];
    }
    const T &operator[](std::size_t i) const
    {
        assert(i >= 1 && i <= N);
        return items[i - 1];
    }
    static constexpr std::size_t size() { return N; }
    T *begin() { return items; }
    T *end() { return items + N; }
    const T *begin() const { return items; }
    const T *end() const { return items + N; }

    friend bool operator==(const OneBased &, const OneBased &) = default;
};
