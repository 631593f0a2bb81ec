#include "results/ratingrows.h"

#include "data/textformat.h"

#include <numeric>

double AverageScore(const TRatingEntry &entry)
{
    return entry.Games == 0 ? 0.0 : double(entry.TotalScore) / entry.Games;
}

double Last50Average(const TRatingEntry &entry)
{
    if (entry.Games == 0)
        return 0.0;
    // Summed wide: a sum of fifty scores is never allowed to wrap.
    const int64_t sum = std::accumulate(entry.Last50.begin(), entry.Last50.end(), int64_t(0));
    if (entry.Games > 50)
        return double(sum) * 0.02;
    return double(sum) / entry.Games;
}

RatingRowTexts RatingRow(const SharedData &data, int row)
{
    const int e = data.RatingOrder[std::size_t(row)];
    const TRatingEntry &entry = data.Rating[std::size_t(e)];
    RatingRowTexts texts;
    texts.place = IntText(row, 2);
    texts.name = entry.Name.text();
    texts.games = IntText(entry.Games, 4);
    texts.average = FloatText(AverageScore(entry), 6, 2);
    texts.last50 = FloatText(Last50Average(entry), 6, 2);
    texts.prize = IntText(entry.PrizePoints, 4);
    texts.rating = IntText(entry.RatingPoints, 6);
    texts.clubMember = IsMemberEntry(e);
    return texts;
}
