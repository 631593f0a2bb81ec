#include "competition/tournamentround.h"

#include "competition/seats.h"
#include "competition/standings.h"
#include "data/storedmath.h"

#include "tests/core/roundfixture.h"

#include <cstdlib>
#include <cstring>
#include <limits>

using namespace roundtest;

namespace
{

class TournamentRoundTest : public RoundTest
{
protected:
    TournamentRoundTest()
    {
        addClubMember("Аня", "a1");
        addClubMember("Борис", "b2");
        addClubMember("Вера", "c3");
        addClubMember("Гена", "d4");
    }
};

} // namespace

TEST_F(TournamentRoundTest, AveragesRoundHalvesToEvenAndAddUp)
{
    const TSaveSlot &slot = makeSlot(3, false, 2, 2);
    // 25 / 2 = 12.5 -> 12; 27 / 2 = 13.5 -> 14; -25 / 2 = -12.5 -> -12.
    view.games = {{12, 13}, {13, 14}, {-12, -13}};
    for (int round = 1; round <= 3; ++round) {
        const TournamentOutcome outcome = PlayTournamentRound(services);
        EXPECT_TRUE(outcome.gamePlayed && outcome.counted);
    }
    EXPECT_EQ(slot.Tur.RoundsPlayed, 3);
    EXPECT_EQ(slot.Tur.TurTotal[1], 12 + 13 - 12);
    EXPECT_EQ(slot.Tur.TurTotal[2], 13 + 14 - 13);
    EXPECT_EQ(slot.Tur.TurDiff[1], (12 - 12) + (13 - 14) + (-12 + 12));
    EXPECT_EQ(slot.Tur.TurDiff[2], (13 - 12) + (14 - 14) + (-13 + 12));
    EXPECT_EQ(view.captions, (std::vector<std::string>{"ВЕРТОКС для Windows - Турнир(1 тур)",
                                                       "ВЕРТОКС для Windows - Турнир(2 тур)",
                                                       "ВЕРТОКС для Windows - Турнир(3 тур)"}));
    // Every round was written: the file holds what memory holds.
    const auto saved = reloadedSlots();
    EXPECT_EQ(std::memcmp(&saved->Slots[3], &slot, sizeof slot), 0);
}

TEST_F(TournamentRoundTest, ExactAverageLeavesDifferencesSummingToZero)
{
    const TSaveSlot &slot = makeSlot(1, false, 3, 1);
    view.games = {{10, 11, 12}};
    PlayTournamentRound(services);
    EXPECT_EQ(slot.Tur.TurDiff[1], -1);
    EXPECT_EQ(slot.Tur.TurDiff[2], 0);
    EXPECT_EQ(slot.Tur.TurDiff[3], 1);
    EXPECT_EQ(slot.Tur.TurTotal[3], 12);

    // Equal totals: the lower participant number stands first.
    view.games = {{1, 0, 0}};
    PlayTournamentRound(services);
    SortTurOrder(*data, slot);
    EXPECT_EQ(data->TurOrder[1], 3);
    EXPECT_EQ(data->TurOrder[2], 1);
    EXPECT_EQ(data->TurOrder[3], 2);
    EXPECT_EQ(slot.Tur.TurTotal[1], slot.Tur.TurTotal[2]);
}

TEST_F(TournamentRoundTest, StoredSumsWrapInsteadOfOverflowing)
{
    TSaveSlot &slot = makeSlot(1, false, 2, 1);
    slot.Tur.TurTotal[1] = std::numeric_limits<int32_t>::max();
    slot.Tur.TurDiff[2] = std::numeric_limits<int32_t>::min();
    view.games = {{5, -5}};
    PlayTournamentRound(services);
    EXPECT_EQ(slot.Tur.TurTotal[1], std::numeric_limits<int32_t>::min() + 4);
    EXPECT_EQ(slot.Tur.TurDiff[2], std::numeric_limits<int32_t>::max() - 4);
}

TEST_F(TournamentRoundTest, SeatsMembersWithPasswordsAndComputersAtTheirRatingLevel)
{
    makeSlot(2, false, 5, 2);
    data->Slots[2].Names[2] = Str17::fromText("Ушедший"); // no longer in the club
    data->Rating[5].RatingPoints = 1000;                  // "Япония" leads the rating
    SortRating(*data);
    view.games = {{1, 2, 3, 4, 5}};
    PlayTournamentRound(services);
    ASSERT_EQ(passwords.asked.size(), 1u);
    EXPECT_EQ(passwords.asked[0].first, "Пароль для Аня");
    EXPECT_EQ(passwords.asked[0].second, "a1");
    ASSERT_EQ(view.seated.size(), 1u);
    const GamePlayers &seats = view.seated[0];
    EXPECT_EQ(game.playerCount, 5);
    EXPECT_EQ(seats[1].name.text(), "Аня");
    EXPECT_EQ(seats[1].level, 0);
    EXPECT_EQ(seats[2].name.text(), "Ушедший");
    EXPECT_EQ(seats[2].level, 0);
    EXPECT_EQ(seats[3].name.text(), "С.Ш.А.");
    EXPECT_EQ(seats[3].level, 2); // behind "Япония"
    EXPECT_EQ(seats[5].name.text(), "Италия");
    EXPECT_EQ(seats[5].level, 4);
    EXPECT_EQ(data->CurDifficulty, 4);
}

TEST_F(TournamentRoundTest, RefusedPasswordChangesNothing)
{
    makeSlot(4, false, 4, 3);
    const auto before = allFiles();
    const TSaveSlot slotBefore = data->Slots[4];
    passwords.answers = {true, false};
    const TournamentOutcome outcome = PlayTournamentRound(services);
    EXPECT_FALSE(outcome.gamePlayed || outcome.counted || outcome.recordsChanged);
    EXPECT_EQ(passwords.asked.size(), 2u); // the third member is never asked
    EXPECT_TRUE(view.captions.empty());
    EXPECT_EQ(allFiles(), before);
    EXPECT_EQ(std::memcmp(&slotBefore, &data->Slots[4], sizeof slotBefore), 0);
}

TEST_F(TournamentRoundTest, QuitGameCountsNothingAndTheRoundIsPlayedAgain)
{
    const TSaveSlot &slot = makeSlot(1, false, 2, 1);
    const auto savedBefore = folder.read(kSlotsFile);
    view.games = {{}, {30, 20}};
    const TournamentOutcome quit = PlayTournamentRound(services);
    EXPECT_TRUE(quit.gamePlayed);
    EXPECT_FALSE(quit.counted);
    EXPECT_EQ(slot.Tur.RoundsPlayed, 0);
    EXPECT_EQ(slot.Tur.TurTotal[1], 0);
    EXPECT_EQ(folder.read(kSlotsFile), savedBefore);
    EXPECT_TRUE(boxes.shown.empty());

    EXPECT_TRUE(PlayTournamentRound(services).counted);
    EXPECT_EQ(view.captions[1], "ВЕРТОКС для Windows - Турнир(1 тур)");
    EXPECT_EQ(slot.Tur.TurTotal[1], 30);
}

TEST_F(TournamentRoundTest, RecordsMessageOnlyWhenTheRecordsChanged)
{
    makeSlot(1, false, 2, 2);
    view.games = {{-3, -4}, {250, 10}};
    const TournamentOutcome none = PlayTournamentRound(services);
    EXPECT_FALSE(none.recordsChanged);
    EXPECT_TRUE(boxes.shown.empty());
    const TournamentOutcome entered = PlayTournamentRound(services);
    EXPECT_TRUE(entered.recordsChanged);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, MessageBoxes::Kind::Information);
    EXPECT_EQ(boxes.shown[0].text, "Внесены изменения в таблицу рекордов!");
}

TEST_F(TournamentRoundTest, MoreMembersThanSeatsAsksOnlyTheSeated)
{
    const TSaveSlot &slot = makeSlot(1, false, 2, 2);
    data->Slots[1].Tur.HumanCount = 4;
    view.games = {{7, 9}};
    EXPECT_TRUE(PlayTournamentRound(services).counted);
    ASSERT_EQ(passwords.asked.size(), 2u);
    EXPECT_EQ(passwords.asked[1].first, "Пароль для Борис");
    EXPECT_EQ(game.playerCount, 2);
    EXPECT_EQ(slot.Tur.TurTotal[2], 9);
}

TEST_F(TournamentRoundTest, ComputersOnlyPlayWithoutTheWindow)
{
    NoView hidden;
    DiceGame computers{{*data, files, random, boxes, clock}, hidden};
    RoundServices unseen{*data, files, random, boxes, passwords, computers};
    const TSaveSlot &slot = makeSlot(1, false, 10, 0);
    EXPECT_TRUE(PlayTournamentRound(unseen).counted);
    EXPECT_TRUE(passwords.asked.empty());
    int64_t sum = 0;
    int64_t diffs = 0;
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(slot.Tur.TurTotal[p], computers.players[p].sheet[kTotalCell]);
        EXPECT_EQ(computers.players[p].level, ComputerLevel(*data, slot.Names[p]));
        sum += slot.Tur.TurTotal[p];
        diffs += slot.Tur.TurDiff[p];
    }
    EXPECT_NE(sum, 0);
    EXPECT_LE(std::abs(diffs), 5); // at most half a point per seat lost in the rounding
    EXPECT_EQ(slot.Tur.TurDiff[1], slot.Tur.TurTotal[1] - RoundedAverage(sum, 10));
}

TEST_F(TournamentRoundTest, NothingHappensWithoutAPlayableRound)
{
    TSaveSlot &slot = makeSlot(1, false, 2, 1);
    const auto before = allFiles();
    data->gameRunning = true;
    EXPECT_FALSE(PlayTournamentRound(services).gamePlayed);
    data->gameRunning = false;
    slot.Tur.RoundsPlayed = slot.Tur.RoundsTotal;
    EXPECT_FALSE(PlayTournamentRound(services).gamePlayed);
    slot.Tur.RoundsPlayed = 0;
    slot.IsCham = 1; // a championship is not played as a tournament
    EXPECT_FALSE(PlayTournamentRound(services).gamePlayed);
    slot.IsCham = 0;
    data->CurTurSlot = 0;
    EXPECT_FALSE(PlayTournamentRound(services).gamePlayed);
    EXPECT_TRUE(passwords.asked.empty());
    EXPECT_TRUE(view.captions.empty());
    EXPECT_EQ(allFiles(), before);
}
