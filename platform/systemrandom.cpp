#include "platform/systemrandom.h"

#include <chrono>

namespace
{
constexpr uint64_t kMultiplier = 6364136223846793005ULL;
constexpr uint64_t kIncrement = 1442695040888963407ULL;
} // namespace

SystemRandom::SystemRandom()
    : SystemRandom(uint64_t(std::chrono::system_clock::now().time_since_epoch().count()))
{
}

SystemRandom::SystemRandom(uint64_t seed)
{
    next();
    m_state += seed;
    next();
}

uint32_t SystemRandom::next()
{
    const uint64_t old = m_state;
    m_state = old * kMultiplier + kIncrement;
    const auto shifted = uint32_t(((old >> 18u) ^ old) >> 27u);
    const auto rotation = uint32_t(old >> 59u);
    return (shifted >> rotation) | (shifted << ((32u - rotation) & 31u));
}

int SystemRandom::below(int n)
{
    // Multiply-and-shift with rejection of the few low products that would bias the result.
    const auto range = uint32_t(n);
    uint64_t product = uint64_t(next()) * range;
    auto low = uint32_t(product);
    if (low < range) {
        const uint32_t threshold = (0u - range) % range;
        while (low < threshold) {
            product = uint64_t(next()) * range;
            low = uint32_t(product);
        }
    }
    return int(product >> 32);
}
