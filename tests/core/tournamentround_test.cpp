#include "competition/tournamentround.h"

#include "competition/standings.h"
#include "data/storedmath.h"
#include "game/seats.h"

#include "tests/core/roundfixture.h"

#include <limits>

using namespace roundtest;

namespace
{

using Limits = std::numeric_limits<int32_t>;

class TournamentRoundTest : public RoundTest
{
protected:
    TournamentRoundTest()
    {
        addClubMember("Аня", "a1");
        addClubMember("Борис", "b2");
        addClubMember("Вера", "c3");
    }
};

} // namespace

TEST_F(TournamentRoundTest, AveragesRoundHalvesToEvenAndAddUp)
{
    const TSaveSlot &slot = makeSlot(3, false, 2, 2);
    // 25 / 2 = 12.5 -> 12; 27 / 2 = 13.5 -> 14; -25 / 2 = -12.5 -> -12.
    view.games = {{12, 13}, {13, 14}, {-12, -13}};
    for (int round = 1; round <= 3; ++round)
        EXPECT_TRUE(PlayTournamentRound(services).counted);
    EXPECT_EQ(slot.Tur.RoundsPlayed, 3);
    EXPECT_EQ(slot.Tur.TurTotal[1], 12 + 13 - 12);
    EXPECT_EQ(slot.Tur.TurTotal[2], 13 + 14 - 13);
    EXPECT_EQ(slot.Tur.TurDiff[1], (12 - 12) + (13 - 14) + (-12 + 12));
    EXPECT_EQ(slot.Tur.TurDiff[2], (13 - 12) + (14 - 14) + (-13 + 12));
    EXPECT_EQ(view.captions, (std::vector<std::string>{"ВЕРТОКС для Windows - Турнир(1 тур)",
                                                       "ВЕРТОКС для Windows - Турнир(2 тур)",
                                                       "ВЕРТОКС для Windows - Турнир(3 тур)"}));
    EXPECT_TRUE(slotSaved(3));
}

TEST_F(TournamentRoundTest, EqualTotalsKeepTheLowerNumberFirstAndSumsWrap)
{
    TSaveSlot &slot = makeSlot(1, false, 3, 1);
    view.games = {{0, 1, 1}};
    PlayTournamentRound(services);
    SortTurOrder(*data, slot);
    EXPECT_EQ(std::vector<int>({data->TurOrder[1], data->TurOrder[2], data->TurOrder[3]}),
              std::vector<int>({2, 3, 1}));

    slot.Tur.TurTotal[1] = Limits::max();
    slot.Tur.TurDiff[2] = Limits::min();
    view.games = {{5, -5, 0}};
    PlayTournamentRound(services);
    EXPECT_EQ(slot.Tur.TurTotal[1], Limits::min() + 4);
    EXPECT_EQ(slot.Tur.TurDiff[2], Limits::max() - 4);
}

TEST_F(TournamentRoundTest, SeatsMembersWithPasswordsAndComputersAtTheirRatingLevel)
{
    makeSlot(2, false, 5, 2);
    data->Slots[2].Names[2] = Str17::fromText("Ушедший"); // no longer in the club
    data->Rating[5].RatingPoints = 1000;                  // "Япония" leads the rating
    SortRating(*data);
    view.games = {{1, 2, 3, 4, 5}};
    PlayTournamentRound(services);
    EXPECT_EQ(passwords.asked, (decltype(passwords.asked){{"Пароль для Аня", "a1"}}));
    ASSERT_EQ(view.seated.size(), 1u);
    EXPECT_EQ(game.playerCount(), 5);
    EXPECT_EQ(game.setup().difficulty, 4);
    std::string seats;
    for (int seat = 1; seat <= 5; ++seat)
        seats +=
            view.seated[0][seat].name.text() + std::to_string(view.seated[0][seat].level) + " ";
    EXPECT_EQ(seats, "Аня0 Ушедший0 С.Ш.А.2 Германия3 Италия4 ");
    EXPECT_EQ(data->CurDifficulty, 4);
}

TEST_F(TournamentRoundTest, QuitGameCountsNothingAndRecordsAreReportedOnlyWhenChanged)
{
    const TSaveSlot &slot = makeSlot(1, false, 2, 2);
    const auto before = folder.read(kSlotsFile);
    view.games = {{}, {-3, -4}, {250, 10}};
    const TournamentOutcome quit = PlayTournamentRound(services);
    EXPECT_TRUE(quit.gamePlayed);
    EXPECT_FALSE(quit.counted);
    EXPECT_EQ(slot.Tur.RoundsPlayed, 0);
    EXPECT_EQ(folder.read(kSlotsFile), before);

    const TournamentOutcome none = PlayTournamentRound(services);
    EXPECT_TRUE(none.counted && !none.recordsChanged);
    EXPECT_EQ(view.captions[1], "ВЕРТОКС для Windows - Турнир(1 тур)");
    EXPECT_EQ(slot.Tur.TurTotal[1], -3);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(PlayTournamentRound(services).recordsChanged);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, MessageBoxes::Kind::Information);
    EXPECT_EQ(boxes.shown[0].text, "Внесены изменения в таблицу рекордов!");
}

TEST_F(TournamentRoundTest, MoreMembersThanSeatsAsksOnlyTheSeated)
{
    const TSaveSlot &slot = makeSlot(1, false, 2, 2);
    data->Slots[1].Tur.HumanCount = 3;
    view.games = {{7, 9}};
    EXPECT_TRUE(PlayTournamentRound(services).counted);
    ASSERT_EQ(passwords.asked.size(), 2u);
    EXPECT_EQ(passwords.asked[1].first, "Пароль для Борис");
    EXPECT_EQ(game.playerCount(), 2);
    EXPECT_EQ(slot.Tur.TurTotal[2], 9);
}

TEST_F(TournamentRoundTest, ComputersOnlyPlayWithoutTheWindow)
{
    const TSaveSlot &slot = makeSlot(1, false, 10, 0);
    EXPECT_TRUE(PlayTournamentRound(unseen).counted);
    EXPECT_TRUE(passwords.asked.empty());
    int64_t sum = 0;
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(slot.Tur.TurTotal[p], computers.players()[p].sheet[kTotalCell]);
        EXPECT_EQ(computers.players()[p].level, ComputerLevel(*data, slot.Names[p]));
        sum += slot.Tur.TurTotal[p];
    }
    EXPECT_EQ(slot.Tur.TurDiff[10], slot.Tur.TurTotal[10] - RoundedAverage(sum, 10));
}

TEST_F(TournamentRoundTest, NothingChangesWithoutAPlayableRoundOrWithARefusedPassword)
{
    TSaveSlot &slot = makeSlot(1, false, 4, 3);
    const auto before = allFiles();
    const TSaveSlot slotBefore = slot;
    data->gameRunning = true;
    EXPECT_FALSE(PlayTournamentRound(services).gamePlayed);
    data->gameRunning = false;
    slot.Tur.RoundsPlayed = slot.Tur.RoundsTotal;
    EXPECT_FALSE(PlayTournamentRound(services).gamePlayed);
    slot.Tur.RoundsPlayed = 0;
    slot.IsCham = 1;
    EXPECT_FALSE(PlayTournamentRound(services).gamePlayed);
    slot.IsCham = 0;
    data->CurTurSlot = 0;
    EXPECT_FALSE(PlayTournamentRound(services).gamePlayed);
    EXPECT_TRUE(passwords.asked.empty());

    data->CurTurSlot = 1;
    passwords.answers = {true, false};
    const TournamentOutcome outcome = PlayTournamentRound(services);
    EXPECT_FALSE(outcome.gamePlayed || outcome.counted || outcome.recordsChanged);
    EXPECT_EQ(passwords.asked.size(), 2u); // the third member is never asked
    EXPECT_TRUE(view.captions.empty());
    EXPECT_EQ(allFiles(), before);
    EXPECT_EQ(std::memcmp(&slotBefore, &slot, sizeof slot), 0);
}
