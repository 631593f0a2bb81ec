#include "data/datafiles.h"
#include "game/dicegame.h"
#include "game/gameview.h"
#include "platform/clock.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

class BookingTest : public ::testing::Test
{
protected:
    BookingTest()
    {
        files.LoadAll();
        boxes.shown.clear();
        data->CurDifficulty = 6;
    }

    void addClubMember(const char *name)
    {
        data->ClubCount += 1;
        data->ClubNames[data->ClubCount] = Str17::fromText(name);
        data->Rating[30 + data->ClubCount].Name = Str17::fromText(name);
    }
    GamePlayer seat(const char *name, uint8_t level, int32_t total)
    {
        GamePlayer player;
        player.name = Str17::fromText(name);
        player.level = level;
        player.sheet[kTotalCell] = total;
        player.sheet[HighSum] = total;
        return player;
    }

    TempFolder folder;
    ScriptedBoxes boxes;
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    DataFiles files{*data, boxes, folder.path()};
};

} // namespace

TEST_F(BookingTest, ComputerScoresAreAdjustedByDifficulty)
{
    GamePlayers players{};
    players[1] = seat("Россия", 3, 200);
    for (int difficulty : {1, 6, 10}) {
        BookGame(*data, players, 1, false, difficulty, FixedClock::kToday);
    }
    const TRatingEntry &russia = data->Rating[6];
    EXPECT_EQ(russia.Games, 3);
    EXPECT_EQ(russia.Last50[1], 250);
    EXPECT_EQ(russia.Last50[2], 200);
    EXPECT_EQ(russia.Last50[3], 160);
    EXPECT_EQ(russia.TotalScore, 610);
    EXPECT_EQ(russia.RatingPoints, 2 * 610 + 3);
    EXPECT_EQ(data->Records[1].Score, 250);
    EXPECT_EQ(data->Records[1].Difficulty, 1);
    EXPECT_EQ(data->Records[3].Difficulty, 10);
}

TEST_F(BookingTest, FiftyFirstGameDropsTheOldestScore)
{
    addClubMember("Аня");
    GamePlayers players{};
    for (int g = 1; g <= 51; ++g) {
        players[1] = seat("Аня", 0, g);
        BookGame(*data, players, 1, false, 6, FixedClock::kToday);
    }
    const TRatingEntry &anya = data->Rating[31];
    EXPECT_EQ(anya.Games, 51);
    EXPECT_EQ(anya.Last50[1], 2);
    EXPECT_EQ(anya.Last50[50], 51);
    EXPECT_EQ(anya.TotalScore, 51 * 52 / 2);
    EXPECT_EQ(anya.RatingPoints, 2 * (51 * 52 / 2 - 1) + 51);
}

TEST_F(BookingTest, RecordRowsKeepEqualScoresAbove)
{
    addClubMember("Аня");
    addClubMember("Борис");
    GamePlayers players{};
    players[1] = seat("Аня", 0, 300);
    players[2] = seat("Борис", 0, 300);
    players[3] = seat("Куба", 29, 240); // 300 after the difficulty-6 adjustment: nothing
    EXPECT_TRUE(BookGame(*data, players, 3, false, 6, FixedClock::kToday));
    EXPECT_EQ(data->Records[1].Name.text(), "Аня");
    EXPECT_EQ(data->Records[2].Name.text(), "Борис");
    EXPECT_EQ(data->Records[3].Name.text(), "Куба");
    EXPECT_EQ(data->Records[3].Score, 240);
    EXPECT_EQ(data->Records[1].Difficulty, 0);
    EXPECT_EQ(data->Records[3].Difficulty, 6);
    EXPECT_EQ(data->Records[1].ComboScores[16], 300);
    // By value: the records are packed, so a reference to a date would be misaligned.
    EXPECT_EQ(double(data->Records[1].Date), FixedClock::kToday);
}

TEST_F(BookingTest, TwentiethRowScoreDoesNotEnter)
{
    for (int row = 1; row <= 20; ++row) {
        data->Records[row].Name = Str17::fromText("Старый");
        data->Records[row].Score = 400 - row;
    }
    addClubMember("Аня");
    GamePlayers players{};
    players[1] = seat("Аня", 0, 380);
    EXPECT_FALSE(BookGame(*data, players, 1, false, 6, FixedClock::kToday));
    players[1] = seat("Аня", 0, 381);
    EXPECT_TRUE(BookGame(*data, players, 1, false, 6, FixedClock::kToday));
    EXPECT_EQ(data->Records[19].Score, 381);
    EXPECT_EQ(data->Records[19].Name.text(), "Старый");
    EXPECT_EQ(data->Records[20].Name.text(), "Аня");
}

TEST_F(BookingTest, QuitBooksZeroForClubMembersAndNothingForComputers)
{
    addClubMember("Аня");
    GamePlayers players{};
    players[1] = seat("Аня", 0, 150);
    players[2] = seat("Китай", 11, 190);
    data->Rating[31].Status[1] = kInGame;
    BookGame(*data, players, 2, true, 6, FixedClock::kToday);
    EXPECT_EQ(data->Rating[31].Games, 1);
    EXPECT_EQ(data->Rating[31].Last50[1], 0);
    EXPECT_EQ(data->Rating[31].Status[1], 1);
    EXPECT_EQ(data->Rating[11].Games, 0);
    EXPECT_TRUE(data->Records[1].Name.empty());
}

TEST_F(BookingTest, MemberNamedLikeACountryKeepsTheirOwnEntry)
{
    addClubMember("Куба");
    GamePlayers players{};
    players[1] = seat("Куба", 0, 200);
    EXPECT_EQ(FindRatingEntry(*data, players[1]), 31);
    BookGame(*data, players, 1, false, 1, FixedClock::kToday);
    EXPECT_EQ(data->Rating[31].Last50[1], 200) << "no computer adjustment for a human";
    EXPECT_EQ(data->Rating[29].Games, 0);

    MarkGameRunning(*data, players, 1);
    EXPECT_EQ(data->Rating[31].Status[1], kInGame);
    EXPECT_EQ(data->Rating[29].Status[1], 1);
}

TEST_F(BookingTest, ComputerOnlyGameRunsWithoutAWindow)
{
    HiddenView view;
    SeededRandom random(7);
    FixedClock clock;
    DiceGame game({*data, files, random, boxes, clock}, view);
    GameSetup computers;
    computers.show = false;
    computers.difficulty = 6;
    for (int i = 1; i <= 10; ++i)
        computers.seat(Str17::fromText(ComputerNames[i]), uint8_t(i));
    const auto result = game.PlayGame(computers);
    EXPECT_FALSE(result.quit);
    EXPECT_FALSE(data->gameRunning);
    for (int i = 1; i <= 10; ++i) {
        const ScoreSheet &sheet = game.players()[i].sheet;
        int32_t sum = 0;
        for (int c = 1; c <= kCombinations; ++c) {
            EXPECT_NE(sheet[c], 0);
            sum += sheet[c];
        }
        EXPECT_EQ(sheet[kTotalCell], sum);
        EXPECT_GE(sheet[LowSum], 16);
        EXPECT_LE(sheet[HighSum], 40);
        EXPECT_EQ(data->Rating[i].Games, 1);
        EXPECT_EQ(data->Rating[i].TotalScore, sum);
    }
    EXPECT_TRUE(result.recordsChanged);
    // The files were written: a new start sees the same game.
    SharedData reloaded{};
    ScriptedBoxes quiet;
    DataFiles again(reloaded, quiet, folder.path());
    again.LoadClub();
    again.LoadRating();
    again.LoadRecords();
    EXPECT_TRUE(quiet.shown.empty());
    EXPECT_EQ(reloaded.Rating[4].TotalScore, data->Rating[4].TotalScore);
    EXPECT_EQ(reloaded.Records[1].Score, data->Records[1].Score);
}

TEST(RankPlayers, EqualTotalsKeepTheLowerNumberFirst)
{
    GamePlayers players{};
    const int32_t totals[] = {50, 70, 50, 90, 70};
    for (int i = 1; i <= 5; ++i)
        players[i].sheet[kTotalCell] = totals[i - 1];
    const Standings order = RankPlayers(players, 5);
    EXPECT_EQ(order[1], 4);
    EXPECT_EQ(order[2], 2);
    EXPECT_EQ(order[3], 5);
    EXPECT_EQ(order[4], 1);
    EXPECT_EQ(order[5], 3);
    EXPECT_EQ(PlaceOf(order, 5, 1), 4);
    EXPECT_EQ(PlaceOf(Standings{}, 5, 1), 0);
}
