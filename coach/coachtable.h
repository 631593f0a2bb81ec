#pragma once

#include "game/scoring.h"
#include "platform/gamefiles.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

// The expected rest-of-game total of every set of open combinations under the best play, solved
// exactly for one player's sheet. Computed once (a few seconds) and kept in a cache file of its
// own beside the data files.
class CoachTable
{
public:
    static constexpr int kSets = 1 << 16;
    static constexpr uint16_t kFreshSheet = 0xFFFF;
    static constexpr const char *kCacheFile = kCoachCacheFile;

    // Told the sets done so far out of kSets; returning false stops the computation.
    using Progress = std::function<bool(int done, int total)>;

    // Solves the whole table on the given number of threads (at least one). The progress is
    // called on the calling thread. False when stopped, leaving the table empty.
    bool compute(const Progress &progress = {}, int threads = 2);

    // The cache holds the table with a header and a checksum; anything else is refused.
    bool load(const std::filesystem::path &file);
    bool save(const std::filesystem::path &file) const;

    bool ready() const { return !m_values.empty(); }
    // Bit c-1 of open is set for each open combination c.
    double value(uint16_t open) const { return m_values[open]; }
    const double *values() const { return m_values.data(); }
    std::size_t memoryBytes() const { return m_values.capacity() * sizeof(double); }

private:
    std::vector<double> m_values;
};

// The open set of a sheet: bit c-1 for each combination c still 0.
template <typename Sheet> uint16_t OpenSetOf(const Sheet &sheet)
{
    uint16_t open = 0;
    for (int c = 1; c <= kCombinations; ++c) {
        if (sheet[c] == 0)
            open = uint16_t(open | (1u << (c - 1)));
    }
    return open;
}

// The bonus cases of a turn from an open set: no bonus, then each open combination in order.
std::vector<int> BonusLanes(uint16_t open);

class CoachTurn;
// The expected rest-of-game value of an open set (not empty) over the bonus draws, from the
// values of the sets with one combination fewer.
double SetValue(CoachTurn &turn, uint16_t open, const double *values);
