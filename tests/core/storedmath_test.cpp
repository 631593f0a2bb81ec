#include "data/ratingbook.h"
#include "data/storedmath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
} // namespace

TEST(StoredMath, AveragesRoundHalvesToEvenExactly)
{
    EXPECT_EQ(RoundedAverage(33, 3), 11);
    EXPECT_EQ(RoundedAverage(25, 2), 12);
    EXPECT_EQ(RoundedAverage(27, 2), 14);
    EXPECT_EQ(RoundedAverage(-25, 2), -12);
    EXPECT_EQ(RoundedAverage(-27, 2), -14);
    EXPECT_EQ(RoundedAverage(26, 4), 6); // 6.5
    EXPECT_EQ(RoundedAverage(10, 4), 2); // 2.5
    EXPECT_EQ(RoundedAverage(11, 4), 3); // 2.75
    EXPECT_EQ(RoundedAverage(9, 4), 2);  // 2.25
    EXPECT_EQ(RoundedAverage(-11, 4), -3);
    EXPECT_EQ(RoundedAverage(-9, 4), -2);
    // Past what a double holds exactly: 2^53 + 1 halves to an odd neighbour's even side.
    EXPECT_EQ(RoundedAverage((int64_t(1) << 54) + 2, 4), (int64_t(1) << 52));
    EXPECT_EQ(RoundedAverage((int64_t(1) << 54) + 6, 4), (int64_t(1) << 52) + 2);
}

TEST(StoredMath, RealsRoundHalvesToEvenAndClamp)
{
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(3.5), 4);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(2263.4999), 2263);
    EXPECT_EQ(RoundToInt32(-1305.5), -1306);
    EXPECT_EQ(RoundToInt32(1e300), kMax);
    EXPECT_EQ(RoundToInt32(-1e300), kMin);
    EXPECT_EQ(RoundToInt32(INFINITY), kMax);
    EXPECT_EQ(RoundToInt32(-INFINITY), kMin);
    EXPECT_EQ(RoundToInt32(NAN), 0);
}

TEST(StoredMath, WrapKeepsTheLowThirtyTwoBits)
{
    EXPECT_EQ(Wrap32(int64_t(kMax) + 1), kMin);
    EXPECT_EQ(Wrap32(int64_t(kMin) - 1), kMax);
    EXPECT_EQ(Wrap32(-5), -5);
    EXPECT_EQ(Wrap32(int64_t(1) << 32), 0);
}

TEST(StoredMath, CraftedRatingEntryBooksWithTheWrap)
{
    TRatingEntry entry{};
    entry.Games = kMax;
    entry.TotalScore = kMax;
    entry.PrizePoints = kMax;
    for (auto &score : entry.Last50)
        score = kMax;
    BookGameScore(entry, 10);
    EXPECT_EQ(entry.Games, kMin);
    EXPECT_EQ(entry.TotalScore, Wrap32(int64_t(kMax) + 10));
    // Games is negative now, so no history place takes the score.
    int64_t sum = 50 * int64_t(kMax);
    EXPECT_EQ(entry.RatingPoints, Wrap32(2 * sum + kMax + int64_t(kMin)));
}
