#include "competition/championshipround.h"

#include "competition/groups.h"
#include "competition/standings.h"
#include "data/storedmath.h"

#include "tests/core/roundfixture.h"

#include <cstring>
#include <functional>
#include <numeric>

using namespace roundtest;

namespace
{

// Balls by group size 4..10 and place.
constexpr int kBalls[7][10] = {{4, 2, 1, 0},
                               {5, 3, 2, 1, 0},
                               {6, 4, 3, 2, 1, 0},
                               {7, 5, 4, 2, 1, 0, 0},
                               {8, 6, 5, 3, 2, 1, 0, 0},
                               {9, 7, 6, 4, 3, 1, 0, 0, 0},
                               {10, 8, 7, 5, 4, 2, 1, 0, 0, 0}};

// Runs onOpen, then presses "Дальше" until the round is over.
class PressingWindow : public RoundWindow
{
public:
    bool playRound(ChampionshipRound &round, const std::string &caption) override
    {
        captions.push_back(caption);
        if (onOpen)
            onOpen(round);
        while (!round.over())
            round.next();
        return round.brokenOff();
    }
    bool busy() const override { return false; }

    std::function<void(ChampionshipRound &)> onOpen;
    std::vector<std::string> captions;
};

std::vector<int> series(int first, int step, int count)
{
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(first + i * step);
    return values;
}

class ChampionshipRoundTest : public RoundTest
{
protected:
    ChampionshipRoundTest()
    {
        for (const char *name :
             {"Аня", "Борис", "Вера", "Гена", "Даша", "Егор", "Жанна", "Зоя", "Игорь", "Катя"})
            addClubMember(name, "p");
    }

    // The club's group when drawn, then the participant of every free position in order.
    void distribute(const TSaveSlot &slot, bool together, const std::vector<int> &draws)
    {
        ScriptedRandom script;
        for (int draw : draws)
            script.pushUniform(1, draw);
        DistributeGroups(*data, script, slot, together);
        EXPECT_EQ(script.remaining(), 0u);
    }

    // Groups 1..3 one after another.
    void expectGroups(int participants, int humans, bool together, const std::vector<int> &draws,
                      const std::vector<int> &members)
    {
        SCOPED_TRACE(testing::Message() << participants << " with " << humans);
        distribute(makeSlot(1, true, participants, humans), together, draws);
        std::vector<int> all;
        for (const TChamGroup &g : data->Groups)
            all.insert(all.end(), g.Member.begin(), g.Member.begin() + g.Count);
        EXPECT_EQ(all, members);
    }
};

} // namespace

TEST_F(ChampionshipRoundTest, DistributionRedrawsPlacedParticipantsAndKeepsAFittingClubTogether)
{
    expectGroups(12, 0, false, {5, 5, 3, 12, 3, 1, 7, 2, 9, 4, 11, 11, 6, 10, 8},
                 {5, 3, 12, 1, 7, 2, 9, 4, 11, 6, 10, 8});
    expectGroups(30, 0, false, series(30, -1, 30), series(30, -1, 30));
    // Group 2 for the club; participant 1 is drawn again and redrawn.
    expectGroups(12, 2, true, {2, 9, 1, 3, 4, 5, 6, 7, 8, 10, 1, 11, 12},
                 {9, 3, 4, 5, 1, 2, 6, 7, 8, 10, 11, 12});
    // A club larger than a group: no group is drawn.
    expectGroups(12, 5, true, {7, 1, 12, 2, 3, 11, 4, 5, 10, 6, 8, 9},
                 {7, 1, 12, 2, 3, 11, 4, 5, 10, 6, 8, 9});
    // No club members: a group is still drawn for the club.
    std::vector<int> draws = series(15, -1, 15);
    draws.insert(draws.begin(), 3);
    expectGroups(15, 0, true, draws, series(15, -1, 15));
}

TEST_F(ChampionshipRoundTest, GroupGameSeatsWorstPlaceFirstAndPaysBallsByPlace)
{
    for (int n = 4; n <= 10; ++n) {
        SCOPED_TRACE(n);
        // The whole club in group 1 in participant order; all places are 0 before round 1.
        const TSaveSlot &slot = makeSlot(1, true, 3 * n, n);
        std::vector<int> draws = series(n + 1, 1, 2 * n);
        draws.insert(draws.begin(), 1);
        distribute(slot, true, draws);
        // Seats i and i + 7 score alike: the lower position in the group places better.
        std::vector<int32_t> totals;
        for (int seat = 1; seat <= n; ++seat)
            totals.push_back(100 + (seat * 5) % 7 * 10);
        const int64_t average = RoundedAverage(std::accumulate(totals.begin(), totals.end(), 0), n);
        view.games = {totals};
        view.seated.clear();
        passwords.asked.clear();

        ChampionshipRound round(services, 1);
        round.next();
        ASSERT_EQ(view.seated.size(), 1u);
        EXPECT_EQ(passwords.asked.size(), std::size_t(n));
        EXPECT_EQ(passwords.asked.front().first, "Пароль для " + slot.Names[n].text());
        const TChamGroup &g = data->Groups[1];
        for (int seat = 1; seat <= n; ++seat) {
            const int position = n - seat + 1;
            EXPECT_EQ(view.seated[0][seat].name, slot.Names[position]);
            EXPECT_EQ(g.Points[position], totals[seat - 1]);
            EXPECT_EQ(g.Diff[position], totals[seat - 1] - average);
        }
        for (int q = 1; q <= n; ++q) {
            int place = 1;
            for (int other = 1; other <= n; ++other)
                place +=
                    g.Points[other] > g.Points[q] || (g.Points[other] == g.Points[q] && other < q);
            EXPECT_EQ(g.Balls[q], kBalls[n - 4][place - 1]) << "position " << q;
        }
    }
}

TEST_F(ChampionshipRoundTest, RowsShowPlacesBeforeAndResultsAfterTheGameAQuitGameIsPlayedAgain)
{
    TSaveSlot &slot = makeSlot(1, true, 12, 1);
    // Participant 12 leads; 5 and 6 have equal balls and points: the lower number is ahead.
    slot.Cham.Balls[12] = 3;
    slot.Cham.Balls[5] = slot.Cham.Balls[6] = 2;
    slot.Cham.Points[5] = slot.Cham.Points[6] = 40;
    distribute(slot, false, {6, 1, 12, 5, 2, 3, 4, 7, 8, 9, 10, 11});
    ChampionshipRound round(services, 1);
    const auto lines = [&] {
        std::vector<std::string> text;
        for (const ChampionshipRound::Row &row : round.rows(1))
            text.push_back(row.name + "|" + row.place + "|" + row.balls + "|" + row.score + "|" +
                           row.diff + "|" + char('0' + row.clubMember) + char('0' + row.played) +
                           char('0' + row.diffNegative));
        return text;
    };
    const std::vector<std::string> waiting{"Китай| 1 место||||000",
                                           "Великобритания| 2 место||||000",
                                           "Япония| 3 место||||000", "Аня| 4 место||||100"};
    EXPECT_EQ(lines(), waiting);

    view.games = {{}, {90, 75, 75, 101}};
    round.next();
    EXPECT_EQ(round.groupsPlayed(), 0);
    EXPECT_TRUE(round.nextEnabled());
    EXPECT_EQ(round.buttonCaption(), "Дальше (играет 1 группа)");
    EXPECT_EQ(lines(), waiting);
    // Seats: Аня, 6, 5, 12; average 341 / 4 -> 85. Equal scores: position 1 (participant 6)
    // places before position 4 (participant 5).
    round.next();
    EXPECT_EQ(round.groupsPlayed(), 1);
    EXPECT_EQ(lines(), (std::vector<std::string>{"Китай| 1 место| 4|101|  16|010",
                                                 "Аня| 4 место| 2| 90|   5|110",
                                                 "Япония| 3 место| 1| 75| -10|011",
                                                 "Великобритания| 2 место| 0| 75| -10|011"}));
    EXPECT_EQ(round.rows(2)[0].balls, "");
    EXPECT_EQ(view.captions,
              std::vector<std::string>(2, "ВЕРТОКС для Windows - Чемпионат(1 тур, 1 группа)"));
    // The finished game entered the empty record table.
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Внесены изменения в таблицу рекордов!");
}

TEST_F(ChampionshipRoundTest, ComputerRoundAddsUpInItsOwnSlotUnlessTheSlotWasReplaced)
{
    const TSaveSlot &other = makeSlot(4, true, 15, 0);
    data->Slots[4].Cham.Balls[15] = 5;
    const TSaveSlot &slot = makeSlot(5, true, 30, 0);
    PressingWindow window;
    window.onOpen = [&](ChampionshipRound &round) {
        // Another championship made current and sorted meanwhile: the places stay this slot's.
        const auto first = [&] { return round.rows(1)[0].name + round.rows(1)[0].place; };
        const std::string before = first();
        data->CurChamSlot = 4;
        SortChamOrder(*data, other);
        EXPECT_EQ(first(), before);
    };
    EXPECT_TRUE(PlayChampionshipRound(unseen, window, true).counted);
    EXPECT_EQ(slot.Cham.RoundsPlayed, 1);
    EXPECT_EQ(other.Cham.RoundsPlayed, 0);
    EXPECT_EQ(slot.Cham.ClubTogether, 1);
    int64_t balls = 0;
    for (const TChamGroup &group : data->Groups) {
        for (int j = 1; j <= 10; ++j) {
            const int m = group.Member[j];
            EXPECT_EQ(slot.Cham.Balls[m], group.Balls[j]);
            EXPECT_EQ(slot.Cham.Points[m], group.Points[j]);
            EXPECT_EQ(slot.Cham.ChamDiff[m], group.Diff[j]);
            balls += slot.Cham.Balls[m];
        }
    }
    EXPECT_EQ(balls, 3 * (10 + 8 + 7 + 5 + 4 + 2 + 1));
    EXPECT_TRUE(passwords.asked.empty());

    data->CurChamSlot = 5;
    window.onOpen = nullptr;
    EXPECT_TRUE(PlayChampionshipRound(unseen, window, false).counted);
    EXPECT_EQ(window.captions,
              (std::vector<std::string>{"Чемпионат, 1 тур - распределение по группам",
                                        "Чемпионат, 2 тур - распределение по группам"}));
    EXPECT_EQ(slot.Cham.RoundsPlayed, 2);
    EXPECT_EQ(slot.Cham.ClubTogether, 0);
    EXPECT_TRUE(slotSaved(5));

    // A slot overwritten while its round was open takes nothing from the round.
    window.onOpen = [&](ChampionshipRound &) { data->Slots[5].Title = Str21::fromText("Новый"); };
    EXPECT_FALSE(PlayChampionshipRound(unseen, window, false).counted);
    EXPECT_EQ(slot.Cham.RoundsPlayed, 2);
}

TEST_F(ChampionshipRoundTest, RefusedPasswordLeavesDalsheDisabledAndChangesNoFile)
{
    makeSlot(1, true, 12, 2);
    const auto before = allFiles();
    passwords.answers = {true, false};
    PressingWindow window;
    window.onOpen = [&](ChampionshipRound &round) {
        round.next();
        EXPECT_FALSE(round.nextEnabled());
        round.next(); // does nothing while disabled
        EXPECT_EQ(passwords.asked.size(), 2u);
        boxes.answer(true);
        EXPECT_TRUE(round.requestClose());
    };
    // Group 1 is the club's: the members take positions 1 and 2.
    ScriptedRandom script;
    for (int draw : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
        script.pushUniform(1, draw);
    RoundServices scripted{*data, files, script, boxes, passwords, game};
    EXPECT_FALSE(PlayChampionshipRound(scripted, window, true).counted);
    EXPECT_TRUE(view.captions.empty());
    EXPECT_EQ(passwords.asked[0].first, "Пароль для Борис"); // the worse place sits first
    EXPECT_EQ(passwords.asked[1].first, "Пароль для Аня");
    EXPECT_EQ(allFiles(), before);
}

TEST_F(ChampionshipRoundTest, NothingMovesWhileAGameRuns)
{
    distribute(makeSlot(1, true, 12, 0), false, series(1, 1, 12));
    ChampionshipRound round(services, 1);
    data->gameRunning = true;
    round.next();
    EXPECT_EQ(round.groupsPlayed(), 0);
    EXPECT_FALSE(round.requestClose());
    EXPECT_TRUE(boxes.asked.empty());
    PressingWindow window;
    EXPECT_FALSE(PlayChampionshipRound(services, window, false).played);
}
