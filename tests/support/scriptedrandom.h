#pragma once

#include "platform/randomsource.h"

#include <deque>
#include <initializer_list>

// Draws taken from a script; running out of script fails the test.
class ScriptedRandom : public RandomSource
{
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> draws) : m_draws(draws) {}

    // Queues the value a uniform(lo, hi) call is to return.
    void pushUniform(int lo, int value) { m_draws.push_back(value - lo); }
    // Queues a die face as the throw formula produces it.
    void pushFace(int face);
    void pushBelow(int value) { m_draws.push_back(value); }
    std::size_t remaining() const { return m_draws.size(); }

    int below(int n) override;

private:
    std::deque<int> m_draws;
};

// Endless draws from a fixed seed, for whole games where the exact sequence does not matter.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(unsigned seed) : m_state(seed) {}
    int below(int n) override;

private:
    unsigned long long m_state;
};
