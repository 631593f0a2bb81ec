#include "competition/championshipround.h"

#include "competition/groups.h"
#include "competition/standings.h"
#include "data/storedmath.h"

#include "tests/core/roundfixture.h"

#include <cstring>
#include <functional>

using namespace roundtest;

namespace
{

// Balls by group size and place, as the championship rules give them.
constexpr int kBalls[11][11] = {
    {},
    {},
    {},
    {},
    {0, 4, 2, 1, 0},
    {0, 5, 3, 2, 1, 0},
    {0, 6, 4, 3, 2, 1, 0},
    {0, 7, 5, 4, 2, 1, 0, 0},
    {0, 8, 6, 5, 3, 2, 1, 0, 0},
    {0, 9, 7, 6, 4, 3, 1, 0, 0, 0},
    {0, 10, 8, 7, 5, 4, 2, 1, 0, 0, 0},
};

// The round window: by default presses "Дальше" until the round is over, noting the button's
// caption before each press.
class PressingWindow : public RoundWindow
{
public:
    bool playRound(ChampionshipRound &round, const std::string &caption) override
    {
        captions.push_back(caption);
        if (play)
            return play(round);
        while (!round.over()) {
            buttons.push_back(round.buttonCaption());
            round.next();
        }
        return round.brokenOff();
    }
    bool busy() const override { return false; }

    std::function<bool(ChampionshipRound &)> play;
    std::vector<std::string> captions;
    std::vector<std::string> buttons;
};

class ChampionshipRoundTest : public RoundTest
{
protected:
    ChampionshipRoundTest()
    {
        const char *names[] = {"Аня",  "Борис", "Вера", "Гена",  "Даша",
                               "Егор", "Жанна", "Зоя",  "Игорь", "Катя"};
        for (int k = 0; k < 10; ++k)
            addClubMember(names[k], ("p" + std::to_string(k + 1)).c_str());
    }

    // Distributes slot's participants by script: the club's group when given, then the
    // participant of every free position in order.
    void distribute(const TSaveSlot &slot, bool together, std::vector<int> draws)
    {
        ScriptedRandom script;
        for (int draw : draws)
            script.pushUniform(1, draw);
        DistributeGroups(*data, script, slot, together);
        EXPECT_EQ(script.remaining(), 0u);
    }

    std::vector<int> members(int group) const
    {
        const TChamGroup &g = data->Groups[group];
        return {g.Member.begin(), g.Member.begin() + g.Count};
    }
};

// first, first + step, ... count values.
std::vector<int> series(int first, int step, int count)
{
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(first + i * step);
    return values;
}

} // namespace

TEST_F(ChampionshipRoundTest, DistributionRedrawsPlacedParticipants)
{
    const TSaveSlot &slot = makeSlot(1, true, 12, 0);
    distribute(slot, false, {5, 5, 3, 12, 3, 1, 7, 2, 9, 4, 11, 11, 6, 10, 8});
    EXPECT_EQ(members(1), (std::vector<int>{5, 3, 12, 1}));
    EXPECT_EQ(members(2), (std::vector<int>{7, 2, 9, 4}));
    EXPECT_EQ(members(3), (std::vector<int>{11, 6, 10, 8}));

    const TSaveSlot &large = makeSlot(2, true, 30, 0);
    distribute(large, false, series(30, -1, 30));
    EXPECT_EQ(members(1), series(30, -1, 10));
    EXPECT_EQ(members(3), series(10, -1, 10));
    for (const TChamGroup &group : data->Groups)
        EXPECT_EQ(group.Count, 10);
}

TEST_F(ChampionshipRoundTest, ClubTogetherTakesADrawnGroupWhenItFits)
{
    const TSaveSlot &slot = makeSlot(1, true, 12, 2);
    // Group 2 for the club; participant 1 is drawn again and redrawn.
    distribute(slot, true, {2, 9, 1, 3, 4, 5, 6, 7, 8, 10, 1, 11, 12});
    EXPECT_EQ(members(1), (std::vector<int>{9, 3, 4, 5}));
    EXPECT_EQ(members(2), (std::vector<int>{1, 2, 6, 7}));
    EXPECT_EQ(members(3), (std::vector<int>{8, 10, 11, 12}));

    // A club larger than a group: no group is drawn, all is random.
    const TSaveSlot &many = makeSlot(2, true, 12, 5);
    distribute(many, true, {7, 1, 12, 2, 3, 11, 4, 5, 10, 6, 8, 9});
    EXPECT_EQ(members(1), (std::vector<int>{7, 1, 12, 2}));
    EXPECT_EQ(members(2), (std::vector<int>{3, 11, 4, 5}));
    EXPECT_EQ(members(3), (std::vector<int>{10, 6, 8, 9}));

    // No club members: a group is still drawn for the club, then every position is random.
    const TSaveSlot &none = makeSlot(3, true, 15, 0);
    distribute(none, true, {3, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    EXPECT_EQ(members(1), series(15, -1, 5));
    EXPECT_EQ(members(3), series(5, -1, 5));
}

TEST_F(ChampionshipRoundTest, GroupGameSeatsWorstPlaceFirstAndPaysBallsByPlace)
{
    for (int n = 4; n <= 10; ++n) {
        SCOPED_TRACE(n);
        // The whole club in group 1, in participant order: all places are 0 before round 1.
        const TSaveSlot &slot = makeSlot(1, true, 3 * n, n);
        std::vector<int> draws{1};
        for (int p = n + 1; p <= 3 * n; ++p)
            draws.push_back(p);
        distribute(slot, true, draws);
        // Seats i and i + 7 score alike: the lower position in the group places better.
        std::vector<int32_t> totals;
        for (int seat = 1; seat <= n; ++seat)
            totals.push_back(100 + (seat * 5) % 7 * 10);
        view.games = {totals};
        view.seated.clear();
        passwords.asked.clear();

        ChampionshipRound round(services, 1);
        round.next();
        ASSERT_EQ(round.groupsPlayed(), 1);
        ASSERT_EQ(view.seated.size(), 1u);
        EXPECT_EQ(passwords.asked.size(), std::size_t(n));
        EXPECT_EQ(passwords.asked.front().first, "Пароль для " + slot.Names[n].text());
        const TChamGroup &g = data->Groups[1];
        int64_t sum = 0;
        for (int32_t total : totals)
            sum += total;
        for (int seat = 1; seat <= n; ++seat) {
            // Participant = position here; the highest number sits at seat 1.
            const int position = n - seat + 1;
            EXPECT_EQ(view.seated[0][seat].name, slot.Names[position]);
            EXPECT_EQ(g.Points[position], totals[seat - 1]);
            EXPECT_EQ(g.Diff[position], totals[seat - 1] - RoundedAverage(sum, n));
        }
        for (int q = 1; q <= n; ++q) {
            int place = 1;
            for (int other = 1; other <= n; ++other) {
                if (g.Points[other] > g.Points[q] || (g.Points[other] == g.Points[q] && other < q))
                    ++place;
            }
            EXPECT_EQ(g.Balls[q], kBalls[n][place]) << "position " << q;
        }
    }
}

TEST_F(ChampionshipRoundTest, QuitGroupIsPlayedAgain)
{
    const TSaveSlot &slot = makeSlot(1, true, 12, 1);
    distribute(slot, false, {2, 3, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    view.games = {{}, {50, 60, 70, 80}};
    ChampionshipRound round(services, 1);
    round.next();
    EXPECT_EQ(round.groupsPlayed(), 0);
    EXPECT_TRUE(round.nextEnabled());
    EXPECT_EQ(round.buttonCaption(), "Дальше (играет 1 группа)");
    EXPECT_TRUE(boxes.shown.empty());
    round.next();
    // The finished game entered the empty record table.
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, MessageBoxes::Kind::Information);
    EXPECT_EQ(boxes.shown[0].text, "Внесены изменения в таблицу рекордов!");
    EXPECT_EQ(round.groupsPlayed(), 1);
    EXPECT_EQ(view.captions,
              (std::vector<std::string>{"ВЕРТОКС для Windows - Чемпионат(1 тур, 1 группа)",
                                        "ВЕРТОКС для Windows - Чемпионат(1 тур, 1 группа)"}));
    // By place the positions go 3, 1, 2, 4: seat 1 holds position 4, seat 4 position 3.
    EXPECT_EQ(data->Groups[1].Points[4], 50);
    EXPECT_EQ(data->Groups[1].Balls[4], 0);
    EXPECT_EQ(data->Groups[1].Balls[1], 2);
    EXPECT_EQ(data->Groups[1].Balls[3], 4);
}

TEST_F(ChampionshipRoundTest, ComputerRoundPlaysAllGroupsUnseenAndAddsThemUp)
{
    NoView hidden;
    DiceGame computers{{*data, files, random, boxes, clock}, hidden};
    RoundServices unseen{*data, files, random, boxes, passwords, computers};
    const TSaveSlot &slot = makeSlot(5, true, 30, 0);
    data->Slots[5].Cham.ClubTogether = 0;
    PressingWindow window;
    const ChampionshipOutcome first = PlayChampionshipRound(unseen, window, true);
    EXPECT_TRUE(first.played && first.counted);
    EXPECT_EQ(window.captions[0], "Чемпионат, 1 тур - распределение по группам");
    EXPECT_EQ(window.buttons,
              (std::vector<std::string>{"Дальше (играет 1 группа)", "Дальше (играет 2 группа)",
                                        "Дальше (играет 3 группа)", "Конец тура"}));
    EXPECT_EQ(slot.Cham.RoundsPlayed, 1);
    EXPECT_EQ(slot.Cham.ClubTogether, 1);
    int64_t balls = 0;
    for (int g = 1; g <= 3; ++g) {
        const TChamGroup &group = data->Groups[g];
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

    const ChampionshipOutcome second = PlayChampionshipRound(unseen, window, false);
    EXPECT_TRUE(second.counted);
    EXPECT_EQ(window.captions[1], "Чемпионат, 2 тур - распределение по группам");
    EXPECT_EQ(slot.Cham.RoundsPlayed, 2);
    EXPECT_EQ(slot.Cham.ClubTogether, 0);
    const auto saved = reloadedSlots();
    EXPECT_EQ(std::memcmp(&saved->Slots[5], &slot, sizeof slot), 0);
}

TEST_F(ChampionshipRoundTest, BrokenOffRoundLeavesTheSaveFileAlone)
{
    const TSaveSlot &slot = makeSlot(2, true, 12, 0);
    const auto before = folder.read(kSlotsFile);
    const TSaveSlot slotBefore = slot;
    PressingWindow window;
    window.play = [&](ChampionshipRound &round) {
        round.next();
        round.next();
        boxes.answer(false);
        EXPECT_FALSE(round.requestClose());
        EXPECT_FALSE(round.over());
        boxes.answer(true);
        EXPECT_TRUE(round.requestClose());
        EXPECT_TRUE(round.over());
        return round.brokenOff();
    };
    NoView hidden;
    DiceGame computers{{*data, files, random, boxes, clock}, hidden};
    RoundServices unseen{*data, files, random, boxes, passwords, computers};
    const ChampionshipOutcome outcome = PlayChampionshipRound(unseen, window, false);
    EXPECT_TRUE(outcome.played);
    EXPECT_FALSE(outcome.counted);
    EXPECT_EQ(boxes.asked,
              (std::vector<std::string>(2, "Результаты текущего тура будут утеряны.\r\nВыйти?")));
    EXPECT_EQ(folder.read(kSlotsFile), before);
    EXPECT_EQ(std::memcmp(&slotBefore, &slot, sizeof slot), 0);
}

TEST_F(ChampionshipRoundTest, RefusedPasswordLeavesDalsheDisabledAndChangesNoFile)
{
    makeSlot(1, true, 12, 2);
    const auto before = allFiles();
    passwords.answers = {true, false};
    PressingWindow window;
    window.play = [&](ChampionshipRound &round) {
        round.next();
        EXPECT_FALSE(round.nextEnabled());
        EXPECT_EQ(round.groupsPlayed(), 0);
        round.next(); // does nothing while disabled
        EXPECT_EQ(passwords.asked.size(), 2u);
        boxes.answer(true);
        EXPECT_TRUE(round.requestClose());
        return round.brokenOff();
    };
    // Both members sit in group 1: group 1 is the club's, members at places 1 and 2.
    ScriptedRandom script;
    script.pushUniform(1, 1);
    for (int p = 3; p <= 12; ++p)
        script.pushUniform(1, p);
    RoundServices scripted{*data, files, script, boxes, passwords, game};
    EXPECT_FALSE(PlayChampionshipRound(scripted, window, true).counted);
    EXPECT_TRUE(view.captions.empty());
    EXPECT_EQ(passwords.asked[0].first, "Пароль для Борис"); // the worse place sits first
    EXPECT_EQ(passwords.asked[1].first, "Пароль для Аня");
    EXPECT_EQ(allFiles(), before);
}

TEST_F(ChampionshipRoundTest, NothingMovesWhileAGameRuns)
{
    const TSaveSlot &slot = makeSlot(1, true, 12, 0);
    distribute(slot, false, series(1, 1, 12));
    ChampionshipRound round(services, 1);
    data->gameRunning = true;
    EXPECT_FALSE(round.nextEnabled());
    round.next();
    EXPECT_EQ(round.groupsPlayed(), 0);
    EXPECT_FALSE(round.requestClose());
    EXPECT_TRUE(boxes.asked.empty());
    PressingWindow window;
    EXPECT_FALSE(PlayChampionshipRound(services, window, false).played);
    data->gameRunning = false;
    EXPECT_TRUE(round.nextEnabled());
}

TEST_F(ChampionshipRoundTest, RoundKeepsItsSlotAndDropsAReplacedOne)
{
    NoView hidden;
    DiceGame computers{{*data, files, random, boxes, clock}, hidden};
    RoundServices unseen{*data, files, random, boxes, passwords, computers};
    const TSaveSlot &other = makeSlot(4, true, 15, 0);
    const TSaveSlot &slot = makeSlot(3, true, 12, 0);
    PressingWindow window;
    data->Slots[4].Cham.Balls[15] = 5;
    window.play = [&](ChampionshipRound &round) {
        // Another championship made current and drawn meanwhile: the places stay this slot's.
        const auto line = [](const ChampionshipRound::Row &row) { return row.name + row.place; };
        const std::string first = line(round.rows(1)[0]);
        data->CurChamSlot = 4;
        SortChamOrder(*data, other);
        EXPECT_EQ(line(round.rows(1)[0]), first);
        while (!round.over())
            round.next();
        return false;
    };
    EXPECT_TRUE(PlayChampionshipRound(unseen, window, false).counted);
    EXPECT_EQ(slot.Cham.RoundsPlayed, 1);
    EXPECT_EQ(other.Cham.RoundsPlayed, 0);

    // A slot overwritten while its round was open takes nothing from the round.
    data->CurChamSlot = 3;
    window.play = [&](ChampionshipRound &round) {
        data->Slots[3].Title = Str21::fromText("Новый");
        while (!round.over())
            round.next();
        return false;
    };
    EXPECT_FALSE(PlayChampionshipRound(unseen, window, false).counted);
    EXPECT_EQ(slot.Cham.RoundsPlayed, 1);
}

TEST_F(ChampionshipRoundTest, RowsShowPlacesBeforeAndResultsAfterTheGame)
{
    TSaveSlot &slot = makeSlot(1, true, 12, 1);
    // Participant 12 leads; 5 and 6 have equal balls and points: the lower number is ahead.
    slot.Cham.Balls[12] = 3;
    slot.Cham.Balls[5] = 2;
    slot.Cham.Balls[6] = 2;
    slot.Cham.Points[5] = 40;
    slot.Cham.Points[6] = 40;
    distribute(slot, false, {6, 1, 12, 5, 2, 3, 4, 7, 8, 9, 10, 11});
    ChampionshipRound round(services, 1);
    std::vector<ChampionshipRound::Row> rows = round.rows(1);
    ASSERT_EQ(rows.size(), 4u);
    const auto line = [](const ChampionshipRound::Row &row) {
        return row.name + "|" + row.place + "|" + row.balls + "|" + row.score + "|" + row.diff;
    };
    EXPECT_EQ(line(rows[0]), "Китай| 1 место|||");
    EXPECT_EQ(line(rows[1]), "Великобритания| 2 место|||");
    EXPECT_EQ(line(rows[2]), "Япония| 3 место|||");
    EXPECT_EQ(line(rows[3]), "Аня| 4 место|||");
    EXPECT_TRUE(rows[3].clubMember);
    EXPECT_FALSE(rows[0].clubMember || rows[0].played);

    // Seats: Аня, 6, 5, 12 (worst place first); average 341 / 4 -> 85. Equal scores: position
    // 1 (participant 6) places before position 4 (participant 5).
    view.games = {{90, 75, 75, 101}};
    round.next();
    rows = round.rows(1);
    EXPECT_EQ(line(rows[0]), "Китай| 1 место| 4|101|  16");
    EXPECT_EQ(line(rows[1]), "Аня| 4 место| 2| 90|   5");
    EXPECT_EQ(line(rows[2]), "Япония| 3 место| 1| 75| -10");
    EXPECT_EQ(line(rows[3]), "Великобритания| 2 место| 0| 75| -10");
    EXPECT_TRUE(rows[1].clubMember && rows[1].played);
    EXPECT_TRUE(rows[2].diffNegative);
    EXPECT_FALSE(rows[0].diffNegative || rows[1].diffNegative);
    EXPECT_EQ(round.rows(2)[0].balls, "");
}
