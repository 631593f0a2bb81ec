#include "data/ratingbook.h"

#include "data/storedmath.h"

#include <algorithm>
#include <numeric>

// Stored counters may come from a crafted file whose checksum holds: sums are taken in 64 bits
// and stored with the 32-bit wrap the checksums assume, so nothing overflows.

int32_t RatingPointsOf(const TRatingEntry &entry)
{
    const int64_t last50 = std::accumulate(entry.Last50.begin(), entry.Last50.end(), int64_t(0));
    return Wrap32(2 * last50 + entry.PrizePoints + entry.Games);
}

void BookGameScore(TRatingEntry &entry, int32_t score)
{
    entry.Status[1] = 1;
    entry.Games = Wrap32(int64_t(entry.Games) + 1);
    entry.TotalScore = Wrap32(int64_t(entry.TotalScore) + score);
    if (entry.Games > 50) {
        std::copy(entry.Last50.begin() + 1, entry.Last50.end(), entry.Last50.begin());
        entry.Last50[50] = score;
    } else if (entry.Games >= 1) {
        entry.Last50[std::size_t(entry.Games)] = score;
    }
    entry.RatingPoints = RatingPointsOf(entry);
}

void ResetRatingEntry(TRatingEntry &entry, const Str17 &name)
{
    entry = TRatingEntry{};
    entry.Name = name;
    std::fill(entry.Status.begin(), entry.Status.end(), uint8_t(1));
}
