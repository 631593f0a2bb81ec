#include "coach/coachdice.h"

#include <cmath>

namespace coachdice
{

namespace
{

constexpr int kCodes = 46656; // 6^6: one digit 0..5 per face

int codeOf(const std::array<uint8_t, 7> &count)
{
    int code = 0;
    for (int f = 6; f >= 1; --f)
        code = code * 6 + count[f];
    return code;
}

double factorial(int n)
{
    double r = 1;
    for (int i = 2; i <= n; ++i)
        r *= i;
    return r;
}

} // namespace

DiceSets::DiceSets() : m_byCode(kCodes, -1)
{
    int next = 0;
    int handCount = 0;
    for (int size = 0; size <= 5; ++size) {
        bySize[size] = next;
        // Every count vector of this size, in lexicographic order.
        std::array<uint8_t, 7> count{};
        for (int code = 0; code < kCodes; ++code) {
            int rest = code, total = 0;
            for (int f = 1; f <= 6; ++f) {
                count[f] = uint8_t(rest % 6);
                total += count[f];
                rest /= 6;
            }
            if (total != size)
                continue;
            DiceSet &set = sets[next];
            set.count = count;
            set.size = size;
            if (size == 5) {
                set.hand = handCount;
                hands[handCount++] = int16_t(next);
            }
            m_byCode[codeOf(count)] = int16_t(next);
            ++next;
        }
    }
    bySize[6] = kSets;
    for (DiceSet &set : sets) {
        for (int f = 1; f <= 6; ++f) {
            auto count = set.count;
            set.minus[f] = -1;
            set.plus[f] = -1;
            if (count[f] > 0) {
                --count[f];
                set.minus[f] = m_byCode[codeOf(count)];
                ++count[f];
            }
            if (set.size < 5) {
                ++count[f];
                set.plus[f] = m_byCode[codeOf(count)];
            }
        }
    }
    for (int n = 0; n <= 5; ++n) {
        const double all = std::pow(6.0, n);
        for (int s = bySize[n]; s < bySize[n + 1]; ++s) {
            double ways = factorial(n);
            for (int f = 1; f <= 6; ++f)
                ways /= factorial(sets[s].count[f]);
            rolls[n].push_back({int16_t(s), ways / all});
        }
    }
}

int DiceSets::indexOf(const std::array<uint8_t, 7> &count) const
{
    int total = 0;
    for (int f = 1; f <= 6; ++f)
        total += count[f];
    return total > 5 ? -1 : m_byCode[codeOf(count)];
}

int DiceSets::indexOf(const std::vector<uint8_t> &faces) const
{
    std::array<uint8_t, 7> count{};
    for (uint8_t face : faces) {
        if (face < 1 || face > 6 || count[face] == 5)
            return -1;
        ++count[face];
    }
    return indexOf(count);
}

int DiceSets::join(int a, int b) const
{
    std::array<uint8_t, 7> count{};
    for (int f = 1; f <= 6; ++f)
        count[f] = uint8_t(sets[a].count[f] + sets[b].count[f]);
    return indexOf(count);
}

std::vector<uint8_t> DiceSets::faces(int set) const
{
    std::vector<uint8_t> faces;
    for (int f = 1; f <= 6; ++f)
        faces.insert(faces.end(), sets[set].count[f], uint8_t(f));
    return faces;
}

const DiceSets &diceSets()
{
    static const DiceSets sets;
    return sets;
}

} // namespace coachdice
