#pragma once

#include <cstdint>

// Every chance in the game comes from one generator, so tests can script the draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform integer in 0..n-1 (n >= 1).
    virtual int below(int n) = 0;

    // A uniform integer in lo..hi.
    int uniform(int lo, int hi) { return lo + below(hi - lo + 1); }
};
