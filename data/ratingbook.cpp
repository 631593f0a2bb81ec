#include "data/ratingbook.h"

#include <algorithm>
#include <numeric>

int32_t RatingPointsOf(const TRatingEntry &entry)
{
    const int32_t last50 = std::accumulate(entry.Last50.begin(), entry.Last50.end(), int32_t(0));
    return 2 * last50 + entry.PrizePoints + entry.Games;
}

void BookGameScore(TRatingEntry &entry, int32_t score)
{
    entry.Status[1] = 1;
    entry.Games += 1;
    entry.TotalScore += score;
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
