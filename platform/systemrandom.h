#pragma once

#include "platform/randomsource.h"

#include <random>

// The run-time generator, seeded once from the clock.
class SystemRandom : public RandomSource
{
public:
    SystemRandom();
    int below(int n) override;

private:
    std::mt19937 m_engine;
};
