#include "competition/newcompetition.h"
#include "competition/slotrules.h"
#include "data/cp1251.h"
#include "data/datafiles.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace
{

constexpr std::size_t kSlotBytes = 968;

class CompetitionCreateTest : public ::testing::Test
{
protected:
    CompetitionCreateTest() { loadAllFiles(files); }

    // The bytes of slot k as the save file holds them.
    std::vector<uint8_t> savedSlot(int k)
    {
        EXPECT_TRUE(files.SaveSlots());
        const std::vector<uint8_t> file = folder.read(kSlotsFile);
        EXPECT_EQ(file.size(), 11 * kSlotBytes);
        const auto start = file.begin() + std::ptrdiff_t((k - 1) * kSlotBytes);
        return {start, start + std::ptrdiff_t(kSlotBytes)};
    }
    static int32_t int32At(const std::vector<uint8_t> &bytes, std::size_t offset)
    {
        int32_t value;
        std::memcpy(&value, bytes.data() + offset, 4);
        return value;
    }
    static std::string textAt(const std::vector<uint8_t> &bytes, std::size_t offset)
    {
        return cp1251::toUtf8(std::string_view(
            reinterpret_cast<const char *>(bytes.data()) + offset + 1, bytes[offset]));
    }
    static std::string nameAt(const std::vector<uint8_t> &bytes, int participant)
    {
        return textAt(bytes, 60 + std::size_t(participant - 1) * 18);
    }

    static NewCompetitionSettings settings(CompetitionKind kind, const char *title,
                                           int participants, std::vector<const char *> chosen)
    {
        NewCompetitionSettings s;
        s.kind = kind;
        s.title = Str21::fromText(title);
        s.participants = participants;
        for (const char *name : chosen)
            s.chosen.push_back(Str17::fromText(name));
        return s;
    }

    TempFolder folder;
    ScriptedBoxes boxes;
    SharedData data;
    DataFiles files{data, boxes, folder.path()};
    ScriptedRandom random;
};

} // namespace

TEST_F(CompetitionCreateTest, ChampionshipFillsEveryFieldOfItsSlot)
{
    // An old tournament in the slot leaves nothing behind.
    data.Slots[3].IsCham = 0;
    data.Slots[3].Title = Str21::fromText("Старый");
    data.Slots[3].Cham.Balls[30] = 77;
    data.Slots[3].Cham.ChamDiff[1] = -5;

    NewCompetitionSettings s =
        settings(CompetitionKind::Championship, "Кубок Европы", 15, {"Вася", "Петя"});
    s.difficulty = 9;
    s.rounds = 25;
    // Thirteen computers; repeated draws are drawn again.
    for (int k : {5, 5, 12, 5, 12, 30, 1, 1, 2, 3, 30, 4, 6, 7, 8, 9, 9, 10, 11})
        random.pushUniform(1, k);
    CreateCompetition(data, random, 3, s);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(data.CurChamSlot, 3);
    EXPECT_EQ(data.CurTurSlot, 0);
    EXPECT_TRUE(SlotPlayable(data.Slots[3]));

    const std::vector<uint8_t> b = savedSlot(3);
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(textAt(b, 1), "Кубок Европы");
    for (std::size_t i = 23; i < 53; ++i)
        EXPECT_EQ(b[i], 1) << "reserved flag at " << i;
    EXPECT_EQ(int32At(b, 56), 0);
    EXPECT_EQ(nameAt(b, 1), "Вася");
    EXPECT_EQ(nameAt(b, 2), "Петя");
    const int computers[] = {5, 12, 30, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11};
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(nameAt(b, 3 + i), ComputerNames[std::size_t(computers[i])])
            << "participant " << 3 + i;
    for (int p = 16; p <= 30; ++p)
        EXPECT_EQ(b[60 + std::size_t(p - 1) * 18], 0) << "unused name " << p;
    for (std::size_t offset = 600; offset < 960; offset += 4)
        EXPECT_EQ(int32At(b, offset), 0) << "total at " << offset;
    EXPECT_EQ(b[960], 0);  // rounds played
    EXPECT_EQ(b[961], 25); // rounds
    EXPECT_EQ(b[962], 9);  // difficulty
    EXPECT_EQ(b[963], 15); // participants
    EXPECT_EQ(b[964], 2);  // club members
    EXPECT_EQ(b[965], 1);  // club together
}

TEST_F(CompetitionCreateTest, TournamentFillsItsFieldsAndKeepsMoreChosenThanParticipants)
{
    NewCompetitionSettings s =
        settings(CompetitionKind::Tournament, "Весна", 2, {"Аня", "Боря", "Вера"});
    s.difficulty = 1;
    s.rounds = 10;
    CreateCompetition(data, random, 10, s);
    EXPECT_EQ(data.CurTurSlot, 10);

    const std::vector<uint8_t> b = savedSlot(10);
    EXPECT_EQ(b[0], 0);
    EXPECT_EQ(textAt(b, 1), "Весна");
    EXPECT_EQ(b[23], 1);
    EXPECT_EQ(b[52], 1);
    // All three chosen are stored although only two play; nothing is drawn.
    EXPECT_EQ(nameAt(b, 1), "Аня");
    EXPECT_EQ(nameAt(b, 2), "Боря");
    EXPECT_EQ(nameAt(b, 3), "Вера");
    EXPECT_EQ(b[60 + 3 * 18], 0);
    for (std::size_t offset = 240; offset < 320; offset += 4)
        EXPECT_EQ(int32At(b, offset), 0) << "total at " << offset;
    EXPECT_EQ(b[320], 0);
    EXPECT_EQ(b[321], 10);
    EXPECT_EQ(b[322], 1);
    EXPECT_EQ(b[323], 2);
    EXPECT_EQ(b[324], 3);
    EXPECT_TRUE(SlotPlayable(data.Slots[10]));
}

TEST_F(CompetitionCreateTest, ChampionshipWithoutClubHasThirtyDistinctComputers)
{
    SeededRandom seeded(7);
    NewCompetitionSettings s = settings(CompetitionKind::Championship, "Мир", 30, {});
    s.difficulty = 10;
    s.rounds = 30;
    CreateCompetition(data, seeded, 1, s);
    const TSaveSlot &slot = data.Slots[1];
    EXPECT_EQ(slot.Cham.HumanCount, 0);
    std::set<std::string> names;
    for (int p = 1; p <= 30; ++p)
        names.insert(slot.Names[std::size_t(p)].text());
    std::set<std::string> table(ComputerNames.begin(), ComputerNames.end());
    EXPECT_EQ(names, table);
}

TEST_F(CompetitionCreateTest, MakingCurrentNeverLeavesASlotWithTheOtherKind)
{
    random.pushUniform(1, 1);
    random.pushUniform(1, 2);
    CreateCompetition(data, random, 4, settings(CompetitionKind::Tournament, "Т", 2, {}));
    for (int k = 1; k <= 12; ++k)
        random.pushUniform(1, k);
    CreateCompetition(data, random, 5, settings(CompetitionKind::Championship, "Ч", 12, {}));
    EXPECT_EQ(data.CurTurSlot, 4);
    EXPECT_EQ(data.CurChamSlot, 5);

    // Loading either only sets its own kind.
    EXPECT_EQ(MakeCurrent(data, 4), CompetitionKind::Tournament);
    EXPECT_EQ(MakeCurrent(data, 5), CompetitionKind::Championship);
    EXPECT_EQ(data.CurTurSlot, 4);
    EXPECT_EQ(data.CurChamSlot, 5);

    // A tournament over the current championship's slot takes the championship page's slot away.
    random.pushUniform(1, 3);
    random.pushUniform(1, 4);
    CreateCompetition(data, random, 5, settings(CompetitionKind::Tournament, "Т2", 2, {}));
    EXPECT_EQ(data.CurTurSlot, 5);
    EXPECT_EQ(data.CurChamSlot, 0);

    // And the reverse.
    for (int k = 1; k <= 12; ++k)
        random.pushUniform(1, k);
    CreateCompetition(data, random, 5, settings(CompetitionKind::Championship, "Ч2", 12, {}));
    EXPECT_EQ(data.CurChamSlot, 5);
    EXPECT_EQ(data.CurTurSlot, 0);
    EXPECT_EQ(random.remaining(), 0u);
}
