#include "competition/newcompetition.h"
#include "competition/slotrules.h"

#include "tests/support/scriptedrandom.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace
{

// The slot a new competition must leave: only its own fields set, every byte else zero.
TSaveSlot expectedSlot(uint8_t kind, const char *title, std::vector<const char *> names)
{
    TSaveSlot slot{};
    slot.IsCham = kind;
    slot.Title = Str21::fromText(title);
    for (uint8_t &flag : slot.Reserved)
        flag = 1;
    for (std::size_t p = 1; p <= names.size(); ++p)
        slot.Names[p] = Str17::fromText(names[p - 1]);
    return slot;
}

void expectSame(const TSaveSlot &actual, const TSaveSlot &expected)
{
    for (std::size_t p = 1; p <= 30; ++p)
        EXPECT_EQ(actual.Names[p].text(), expected.Names[p].text()) << "participant " << p;
    EXPECT_EQ(std::memcmp(&actual, &expected, sizeof actual), 0);
}

NewCompetitionSettings settings(CompetitionKind kind, const char *title, int difficulty, int rounds,
                                int participants, std::vector<const char *> chosen = {})
{
    NewCompetitionSettings s{kind, Str21::fromText(title), difficulty, rounds, participants};
    for (const char *name : chosen)
        s.chosen.push_back(Str17::fromText(name));
    return s;
}

} // namespace

TEST(CompetitionCreate, ChampionshipFillsItsSlotAndDrawsDistinctComputers)
{
    SharedData data;
    // An old tournament in the slot leaves nothing behind.
    data.Slots[3].Title = Str21::fromText("Старый");
    data.Slots[3].Cham.Balls[30] = 77;
    data.Slots[3].Cham.ChamDiff[1] = -5;
    // Thirteen computers; repeated draws are drawn again.
    ScriptedRandom random;
    for (int k : {5, 5, 12, 5, 12, 30, 1, 1, 2, 3, 30, 4, 6, 7, 8, 9, 9, 10, 11})
        random.pushUniform(1, k);
    CreateCompetition(
        data, random, 3,
        settings(CompetitionKind::Championship, "Кубок Европы", 9, 25, 15, {"Вася", "Петя"}));
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(data.CurChamSlot, 3);
    EXPECT_EQ(data.CurTurSlot, 0);
    EXPECT_TRUE(SlotPlayable(data.Slots[3]));

    TSaveSlot expected = expectedSlot(1, "Кубок Европы", {"Вася", "Петя"});
    const int computers[] = {5, 12, 30, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11};
    for (std::size_t i = 0; i < 13; ++i)
        expected.Names[3 + i] = Str17::fromText(ComputerNames[std::size_t(computers[i])]);
    expected.Cham.RoundsTotal = 25;
    expected.Cham.Difficulty = 9;
    expected.Cham.ParticipantCount = 15;
    expected.Cham.HumanCount = 2;
    expected.Cham.ClubTogether = 1;
    expectSame(data.Slots[3], expected);

    // No club at all: thirty computers, each once.
    SeededRandom seeded(3);
    CreateCompetition(data, seeded, 1, settings(CompetitionKind::Championship, "Мир", 6, 20, 30));
    std::set<std::string> names;
    for (std::size_t p = 1; p <= 30; ++p)
        names.insert(data.Slots[1].Names[p].text());
    EXPECT_EQ(names, std::set<std::string>(ComputerNames.begin(), ComputerNames.end()));
    EXPECT_EQ(data.Slots[1].Cham.HumanCount, 0);
}

TEST(CompetitionCreate, TournamentKeepsMoreChosenThanParticipantsAndDrawsNothing)
{
    SharedData data;
    ScriptedRandom none;
    CreateCompetition(
        data, none, 10,
        settings(CompetitionKind::Tournament, "Весна", 1, 10, 2, {"Аня", "Боря", "Вера"}));
    EXPECT_EQ(data.CurTurSlot, 10);
    EXPECT_TRUE(SlotPlayable(data.Slots[10]));
    TSaveSlot expected = expectedSlot(0, "Весна", {"Аня", "Боря", "Вера"});
    expected.Tur.RoundsTotal = 10;
    expected.Tur.Difficulty = 1;
    expected.Tur.ParticipantCount = 2;
    expected.Tur.HumanCount = 3;
    expectSame(data.Slots[10], expected);
}

TEST(CompetitionCreate, MakingCurrentNeverLeavesASlotWithTheOtherKind)
{
    SharedData data;
    SeededRandom random(3);
    const auto create = [&](int slot, CompetitionKind kind, int participants) {
        CreateCompetition(data, random, slot, settings(kind, "К", 6, 20, participants));
    };
    create(4, CompetitionKind::Tournament, 2);
    create(5, CompetitionKind::Championship, 12);
    // Loading either only sets its own kind.
    EXPECT_EQ(MakeCurrent(data, 4), CompetitionKind::Tournament);
    EXPECT_EQ(MakeCurrent(data, 5), CompetitionKind::Championship);
    EXPECT_EQ(data.CurTurSlot, 4);
    EXPECT_EQ(data.CurChamSlot, 5);

    // Overwriting the other kind's current slot takes that slot from the other kind.
    create(5, CompetitionKind::Tournament, 2);
    EXPECT_EQ(data.CurTurSlot, 5);
    EXPECT_EQ(data.CurChamSlot, 0);
    create(5, CompetitionKind::Championship, 12);
    EXPECT_EQ(data.CurChamSlot, 5);
    EXPECT_EQ(data.CurTurSlot, 0);
}
