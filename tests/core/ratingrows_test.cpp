#include "results/ratingrows.h"

#include "tests/support/ratingsupport.h"

#include <gtest/gtest.h>

namespace
{

class RatingRowsTest : public ::testing::Test
{
protected:
    RatingRowsTest() { ResetRatingWithMembers(data, {"Вася", "Петя"}); }
    // The row showing entry e.
    RatingRowTexts rowOf(int e) const
    {
        for (int r = 1; r <= data.ratedCount(); ++r)
            if (data.RatingOrder[std::size_t(r)] == e)
                return RatingRow(data, r);
        ADD_FAILURE() << "entry " << e << " is not shown";
        return {};
    }

    SharedData data;
};

} // namespace

TEST_F(RatingRowsTest, PlayerWithoutGamesShowsZeros)
{
    const RatingRowTexts row = RatingRow(data, 1);
    EXPECT_EQ(row.place, " 1");
    EXPECT_EQ(row.name, "С.Ш.А.");
    EXPECT_EQ(row.games, "   0");
    EXPECT_EQ(row.average, "  0.00");
    EXPECT_EQ(row.last50, "  0.00");
    EXPECT_EQ(row.prize, "   0");
    EXPECT_EQ(row.rating, "     0");
    EXPECT_FALSE(row.clubMember);
}

TEST_F(RatingRowsTest, AveragesOverAllGamesAndOverTheLastFifty)
{
    TRatingEntry &entry = data.Rating[31];
    // Ten games of 100, then fifty of 200: the first ten have left the last fifty.
    for (int g = 1; g <= 60; ++g)
        BookGameScore(entry, g <= 10 ? 100 : 200);
    entry.PrizePoints = 7;
    entry.RatingPoints = RatingPointsOf(entry);
    SortRating(data);

    const RatingRowTexts row = rowOf(31);
    EXPECT_EQ(row.place, " 1");
    EXPECT_EQ(row.games, "  60");
    EXPECT_EQ(row.average, "183.33") << "11000 / 60";
    EXPECT_EQ(row.last50, "200.00") << "10000 * 0.02";
    EXPECT_EQ(row.prize, "   7");
    EXPECT_EQ(row.rating, " 20067");
    EXPECT_TRUE(row.clubMember);
}

TEST_F(RatingRowsTest, FewerThanFiftyGamesAverageOverTheGamesPlayed)
{
    BookGameScore(data.Rating[5], 101);
    BookGameScore(data.Rating[5], 100);
    BookGameScore(data.Rating[5], 100);
    SortRating(data);
    EXPECT_EQ(rowOf(5).last50, "100.33");
    EXPECT_EQ(rowOf(5).average, "100.33");
}

TEST_F(RatingRowsTest, EqualRatingPointsKeepEntryOrderComputersBeforeClub)
{
    data.Rating[32].RatingPoints = 500;
    data.Rating[31].RatingPoints = 500;
    data.Rating[12].RatingPoints = 500;
    data.Rating[3].RatingPoints = 400;
    SortRating(data);
    EXPECT_EQ(RatingRow(data, 1).name, "Ю.А.Р.");
    EXPECT_EQ(RatingRow(data, 2).name, "Вася");
    EXPECT_EQ(RatingRow(data, 3).name, "Петя");
    EXPECT_EQ(RatingRow(data, 4).name, "Италия");
    EXPECT_EQ(RatingRow(data, 5).name, "С.Ш.А.");
    EXPECT_EQ(RatingRow(data, 32).name, "Новая Зеландия");
    // The club's colour starts at entry 31: the last computer, entry 30, is not in it.
    EXPECT_TRUE(RatingRow(data, 2).clubMember);
    EXPECT_FALSE(RatingRow(data, 32).clubMember);
}
