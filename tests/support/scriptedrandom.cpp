#include "tests/support/scriptedrandom.h"

#include <gtest/gtest.h>

void ScriptedRandom::pushFace(int face)
{
    // (r + 1) mod 6 + 1 = face  <=>  r = face - 2 (mod 6)
    m_draws.push_back((face + 4) % 6);
}

int ScriptedRandom::below(int n)
{
    if (m_draws.empty()) {
        ADD_FAILURE() << "the random script ran out";
        return 0;
    }
    const int value = m_draws.front();
    m_draws.pop_front();
    EXPECT_GE(value, 0);
    EXPECT_LT(value, n);
    return value;
}

int SeededRandom::below(int n)
{
    m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
    return int((m_state >> 33) % unsigned(n));
}
