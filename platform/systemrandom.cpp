#include "platform/systemrandom.h"

#include <chrono>

SystemRandom::SystemRandom()
    : m_engine(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count()))
{
}

int SystemRandom::below(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}
