#include "game/recordrule.h"
#include "results/recordrows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

class RecordRowsTest : public ::testing::Test
{
protected:
    RecordRowsTest()
    {
        for (std::size_t k = 1; k <= 30; ++k)
            data.Records[k].Date = 1.0;
    }
    // Enters a game row as the game does after its end.
    int enterGame(const char *name, int32_t score, uint8_t difficulty)
    {
        OneBased<int32_t, 16> combos;
        for (int c = 1; c <= 16; ++c)
            combos[std::size_t(c)] = c * 5 - 40;
        return EnterGameRecord(data.Records, Str17::fromText(name), score, 45000.0, difficulty,
                               combos);
    }
    std::string gameName(int row) const { return data.Records[std::size_t(row)].Name.text(); }

    SharedData data;
};

} // namespace

TEST_F(RecordRowsTest, EqualScoresGoBelowAndTheTwentiethScoreDoesNotEnter)
{
    for (int i = 1; i <= 20; ++i)
        ASSERT_EQ(enterGame(("К" + std::to_string(i)).c_str(), 400 - 10 * i, 5), i);
    // 200 is row 20's score: a tie with the last row stays out.
    EXPECT_EQ(enterGame("Вася", 200, 0), 0);
    EXPECT_EQ(gameName(20), "К20");
    // One point more takes row 20 and the old row 20 drops out.
    EXPECT_EQ(enterGame("Петя", 201, 0), 20);
    EXPECT_EQ(gameName(20), "Петя");
    EXPECT_EQ(gameName(19), "К19");
    // Equal to row 3 (370): placed below it, the rest moves down and row 20 drops out.
    EXPECT_EQ(enterGame("Коля", 370, 0), 4);
    EXPECT_EQ(gameName(3), "К3");
    EXPECT_EQ(gameName(5), "К4");
    EXPECT_EQ(gameName(20), "К19");
}

TEST_F(RecordRowsTest, HumanRowsCountTheirOwnPlaceInBrackets)
{
    enterGame("Германия", 300, 7);
    enterGame("Италия", 290, 7);
    enterGame("Вася", 280, 0);
    enterGame("Япония", 270, 3);
    enterGame("Петя", 260, 0);

    const auto rows = GameRecordRows(data);
    EXPECT_EQ(rows[1].place, " 1");
    EXPECT_EQ(rows[3].place, " 3( 1)");
    EXPECT_TRUE(rows[3].human);
    EXPECT_EQ(rows[4].place, " 4");
    EXPECT_FALSE(rows[4].human);
    EXPECT_EQ(rows[5].place, " 5( 2)");
    EXPECT_EQ(rows[5].name, "Петя");
    EXPECT_EQ(rows[5].score, " 260");
    EXPECT_EQ(rows[5].date, "15.03.2023");
    EXPECT_EQ(rows[5].combos[0], " -35");
    EXPECT_EQ(rows[5].combos[15], "  40");
    EXPECT_TRUE(rows[6].free);
    EXPECT_EQ(rows[6].place, " 6");
    EXPECT_EQ(rows[6].name, "");
}

TEST_F(RecordRowsTest, FreeRowsShowOnlyTheirPlace)
{
    const auto games = GameRecordRows(data);
    const auto prizes = PrizeRecordRows(data);
    for (int b = 1; b <= 20; ++b) {
        EXPECT_TRUE(games[std::size_t(b)].free);
        EXPECT_EQ(games[std::size_t(b)].place, (b < 10 ? " " : "") + std::to_string(b));
        EXPECT_TRUE(games[std::size_t(b)].date.empty());
    }
    for (int p = 1; p <= 10; ++p) {
        EXPECT_TRUE(prizes[std::size_t(p)].free);
        EXPECT_TRUE(prizes[std::size_t(p)].prize.empty());
    }
    EXPECT_EQ(prizes[10].place, "10");
}

TEST_F(RecordRowsTest, PrizeRowsShowBallsOnlyForAChampionship)
{
    TRecordEntry &tournament = data.Records[21];
    tournament.Name = Str17::fromText("Вася");
    tournament.Score = 12345;
    tournament.Date = 36526.0;
    tournament.Prize.Place = 1;
    tournament.Prize.Difficulty = 10;
    tournament.Prize.Rounds = 30;
    tournament.Prize.Participants = 2;
    tournament.Prize.AvgBalls = 999;
    tournament.Prize.AvgScore = 21050;
    TRecordEntry &championship = data.Records[22];
    championship = tournament;
    championship.Prize.IsCham = 1;
    championship.Prize.AvgBalls = 250;

    const auto rows = PrizeRecordRows(data);
    EXPECT_EQ(rows[1].place, " 1");
    EXPECT_EQ(rows[1].prize, "123.45");
    EXPECT_EQ(rows[1].date, "01.01.2000");
    EXPECT_EQ(rows[1].takenPlace, " 1");
    EXPECT_EQ(rows[1].difficulty, "10");
    EXPECT_EQ(rows[1].avgBalls, "-*-*-");
    EXPECT_EQ(rows[1].avgScore, "210.50");
    EXPECT_EQ(rows[1].rounds, "30");
    EXPECT_EQ(rows[1].participants, " 2");
    EXPECT_EQ(rows[2].avgBalls, " 2.50");
}

TEST(ShortDate, CountsDaysFromTheThirtiethOfDecember1899)
{
    EXPECT_EQ(ShortDateText(0.0), "30.12.1899");
    EXPECT_EQ(ShortDateText(1.0), "31.12.1899");
    EXPECT_EQ(ShortDateText(60.0), "28.02.1900");
    EXPECT_EQ(ShortDateText(45000.75), "15.03.2023") << "the time of day is not shown";
    EXPECT_EQ(ShortDateText(-1.0), "29.12.1899");
}

TEST(ShortDate, DatesThatAreNoCalendarDayStayBlank)
{
    // The date bytes are not covered by the checksum, so a file may hold anything there.
    EXPECT_EQ(ShortDateText(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(ShortDateText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(ShortDateText(1e300), "");
    EXPECT_EQ(ShortDateText(-1e9), "");
    EXPECT_EQ(ShortDateText(2958465.0), "31.12.9999");
}
