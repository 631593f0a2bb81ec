#pragma once

#include "platform/randomsource.h"

#include <cstdint>

// The run-time generator (a permuted congruential generator), seeded once from the clock.
class SystemRandom : public RandomSource
{
public:
    SystemRandom();
    explicit SystemRandom(uint64_t seed);
    int below(int n) override;

private:
    uint32_t next();

    uint64_t m_state = 0;
};
