#include "data/datafiles.h"
#include "data/ratingbook.h"
#include "data/storedmath.h"
#include "results/prizes.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace
{

struct Award {
    std::string name;
    int place;
    double prize;
};

class RecordingView : public AwardView
{
public:
    void showAward(const std::string &name, int place, double prize) override
    {
        awards.push_back({name, place, prize});
    }
    std::vector<Award> awards;
};

struct Entrant {
    const char *name;
    int32_t points;
    int32_t balls = 0;
};

// Fresh data files with the club members "Аня" and "Боря" (rating entries 31 and 32).
class PrizeGivingTest : public ::testing::Test
{
protected:
    PrizeGivingTest()
    {
        loadAllFiles(files);
        addMember("Аня");
        addMember("Боря");
        files.SaveRating();
    }

    void addMember(const char *name)
    {
        const auto k = std::size_t(++data->ClubCount);
        data->ClubNames[k] = Str17::fromText(name);
        ResetRatingEntry(data->Rating[30 + k], Str17::fromText(name));
    }

    // A finished competition in slot number; the first humans entrants are club members.
    TSaveSlot &competition(int number, bool championship, int humans, int rounds, int difficulty,
                           const std::vector<Entrant> &entrants)
    {
        TSaveSlot &slot = data->Slots[std::size_t(number)];
        slot = TSaveSlot{};
        slot.IsCham = championship;
        slot.Title = Str21::fromText(championship ? "Чемпионат мира" : "Кубок клуба");
        const auto count = uint8_t(entrants.size());
        for (std::size_t k = 1; k <= count; ++k) {
            slot.Names[k] = Str17::fromText(entrants[k - 1].name);
            if (championship) {
                slot.Cham.Points[k] = entrants[k - 1].points;
                slot.Cham.Balls[k] = entrants[k - 1].balls;
            } else {
                slot.Tur.TurTotal[k] = entrants[k - 1].points;
            }
        }
        if (championship) {
            slot.Cham = {slot.Cham.Balls,
                         slot.Cham.Points,
                         {},
                         uint8_t(rounds),
                         uint8_t(rounds),
                         uint8_t(difficulty),
                         count,
                         uint8_t(humans),
                         1,
                         {}};
            data->CurChamSlot = uint8_t(number);
        } else {
            slot.Tur.RoundsPlayed = slot.Tur.RoundsTotal = uint8_t(rounds);
            slot.Tur.Difficulty = uint8_t(difficulty);
            slot.Tur.ParticipantCount = count;
            slot.Tur.HumanCount = uint8_t(humans);
            data->CurTurSlot = uint8_t(number);
        }
        files.SaveSlots();
        return slot;
    }

    bool give(bool championship) { return GivePrizes(*data, files, clock, view, championship); }

    // Whether a data file holds the first count records of memory byte for byte.
    template <typename Record, std::size_t N>
    bool fileHolds(const char *file, const OneBased<Record, N> &records, std::size_t count) const
    {
        const std::vector<uint8_t> bytes = folder.read(file);
        return bytes.size() == sizeof records &&
               std::memcmp(bytes.data(), &records, count * sizeof(Record)) == 0;
    }

    std::vector<std::string> prizeRowNames() const
    {
        std::vector<std::string> names;
        for (std::size_t row = 21; row <= 30; ++row)
            names.push_back(data->Records[row].Name.text());
        return names;
    }

    TempFolder folder;
    ScriptedBoxes boxes;
    FixedClock clock;
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    DataFiles files{*data, boxes, folder.path()};
    RecordingView view;
};

} // namespace

TEST_F(PrizeGivingTest, TournamentLastPlaceFirstRatingRecordsSlotAndFiles)
{
    // Standings by total: Россия 4400, Аня 4200, Куба 3600, Боря 3000.
    const TSaveSlot &slot = competition(
        4, false, 2, 20, 7, {{"Аня", 4200}, {"Боря", 3000}, {"Россия", 4400}, {"Куба", 3600}});
    const TSaveSlot before = slot;
    // A current championship elsewhere is left alone.
    competition(5, true, 0, 10, 5, {});
    data->Slots[5].Cham.RoundsPlayed = 3;
    data->CurTurSlot = 4;
    const auto ratingBefore = data->Rating;

    EXPECT_TRUE(give(false));

    ASSERT_EQ(view.awards.size(), 4u);
    const char *names[] = {"Боря", "Куба", "Аня", "Россия"};
    const int participants[] = {2, 4, 1, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(view.awards[i].name, names[i]);
        EXPECT_EQ(view.awards[i].place, 4 - i);
        EXPECT_DOUBLE_EQ(view.awards[i].prize, PrizeFor(before, participants[i], 4 - i));
    }
    // Аня +26.79 and Россия +30.22 earn points; Куба and Боря lost, which costs nothing.
    EXPECT_NEAR(view.awards[2].prize, 26.79, 0.005);
    EXPECT_NEAR(view.awards[3].prize, 30.22, 0.005);
    EXPECT_LT(view.awards[0].prize, 0);
    EXPECT_LT(view.awards[1].prize, 0);
    EXPECT_EQ(data->Rating[6].PrizePoints, 30);
    EXPECT_EQ(data->Rating[6].RatingPoints, ratingBefore[6].RatingPoints + 30);
    EXPECT_EQ(data->Rating[31].PrizePoints, 27);
    EXPECT_EQ(data->Rating[31].RatingPoints, ratingBefore[31].RatingPoints + 27);
    EXPECT_TRUE(std::memcmp(&data->Rating[29], &ratingBefore[29], sizeof(TRatingEntry)) == 0);
    EXPECT_TRUE(std::memcmp(&data->Rating[32], &ratingBefore[32], sizeof(TRatingEntry)) == 0);

    // Only the club member with a prize above the empty rows' 0 enters; computers never do.
    const TRecordEntry &row = data->Records[21];
    EXPECT_EQ(row.Name.text(), "Аня");
    EXPECT_EQ(row.Score, 2679);
    EXPECT_EQ(row.Date, FixedClock::kToday);
    EXPECT_EQ(row.Prize.Difficulty, 7);
    EXPECT_EQ(row.Prize.Rounds, 20);
    EXPECT_EQ(row.Prize.Place, 2);
    EXPECT_EQ(row.Prize.Participants, 4);
    EXPECT_EQ(row.Prize.AvgScore, 21000);
    EXPECT_EQ(row.Prize.AvgBalls, 0);
    EXPECT_EQ(row.Prize.IsCham, 0);
    EXPECT_TRUE(data->Records[22].Name.empty());

    // The slot is free and no longer current; the championship is untouched.
    EXPECT_TRUE(data->Slots[4].Title.empty());
    EXPECT_EQ(data->CurTurSlot, 0);
    EXPECT_EQ(data->CurChamSlot, 5);
    EXPECT_EQ(data->Slots[5].Title.text(), "Чемпионат мира");

    // Everything is on disk when the call returns, before the caller's message.
    EXPECT_TRUE(fileHolds(kSlotsFile, data->Slots, 10));
    EXPECT_TRUE(fileHolds(kRatingFile, data->Rating, 40));
    EXPECT_TRUE(fileHolds(kRecordsFile, data->Records, 30));

    // Prizes are given once.
    view.awards.clear();
    EXPECT_FALSE(give(false));
    EXPECT_TRUE(view.awards.empty());
}

TEST_F(PrizeGivingTest, ChampionshipRowCarriesBallsAndTheTournamentKeepsTheOtherCurrent)
{
    std::vector<Entrant> entrants = {{"Аня", 2000, 31}};
    for (int k = 1; k <= 11; ++k)
        entrants.push_back({ComputerNames[std::size_t(k)], 1800 + k, 20 - k});
    competition(7, true, 1, 10, 5, entrants);
    const TSaveSlot before = data->Slots[7];
    competition(2, false, 0, 10, 5, {{"Куба", 0}, {"Алжир", 0}});
    data->Slots[2].Tur.RoundsPlayed = 1;
    data->CurChamSlot = 7;

    EXPECT_TRUE(give(true));

    // Order by balls: Аня 31, then the computers 1..11 with 19..9 balls.
    ASSERT_EQ(view.awards.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        const int place = 12 - i;
        const int participant = place == 1 ? 1 : place;
        EXPECT_EQ(view.awards[std::size_t(i)].place, place);
        EXPECT_EQ(view.awards[std::size_t(i)].name, before.Names[std::size_t(participant)].text());
        EXPECT_DOUBLE_EQ(view.awards[std::size_t(i)].prize, PrizeFor(before, participant, place));
    }
    const TRecordEntry &row = data->Records[21];
    EXPECT_EQ(row.Name.text(), "Аня");
    EXPECT_EQ(row.Score, RoundToInt32(view.awards[11].prize * 100));
    EXPECT_EQ(row.Prize.Place, 1);
    EXPECT_EQ(row.Prize.Participants, 12);
    EXPECT_EQ(row.Prize.Rounds, 10);
    EXPECT_EQ(row.Prize.Difficulty, 5);
    EXPECT_EQ(row.Prize.AvgScore, 20000);
    EXPECT_EQ(row.Prize.AvgBalls, 310);
    EXPECT_EQ(row.Prize.IsCham, 1);
    EXPECT_TRUE(data->Records[22].Name.empty());

    EXPECT_TRUE(data->Slots[7].Title.empty());
    EXPECT_EQ(data->CurChamSlot, 0);
    EXPECT_EQ(data->CurTurSlot, 2);
    EXPECT_TRUE(fileHolds(kRecordsFile, data->Records, 30));
    EXPECT_TRUE(fileHolds(kSlotsFile, data->Slots, 10));
}

TEST_F(PrizeGivingTest, NegativePrizeEntersOnlyAboveALowerTenthRow)
{
    // Боря loses to Куба: 2 / 2 × 20 − 30 − 35 × 10/19 = −28.42.
    const std::vector<Entrant> entrants = {{"Боря", 3000}, {"Куба", 4000}};
    for (std::size_t row = 21; row <= 30; ++row) {
        data->Records[row].Name = Str17::fromText("Рек" + std::to_string(row));
        data->Records[row].Score = int32_t(5000 - 100 * row);
    }
    data->Records[30].Score = -2000;
    files.SaveRecords();
    const std::vector<uint8_t> recordsFile = folder.read(kRecordsFile);

    competition(1, false, 1, 20, 5, entrants);
    EXPECT_FALSE(give(false));
    ASSERT_EQ(view.awards.size(), 2u);
    EXPECT_NEAR(view.awards[0].prize, -28.42, 0.005);
    EXPECT_EQ(data->Records[30].Name.text(), "Рек30");
    EXPECT_EQ(folder.read(kRecordsFile), recordsFile);

    data->Records[30].Score = -3000;
    competition(1, false, 1, 20, 5, entrants);
    EXPECT_TRUE(give(false));
    EXPECT_EQ(data->Records[30].Name.text(), "Боря");
    EXPECT_EQ(data->Records[30].Score, -2842);
    EXPECT_EQ(data->Records[29].Name.text(), "Рек29");
    EXPECT_TRUE(fileHolds(kRecordsFile, data->Records, 30));

    // An empty table holds 0 in every row: a negative prize never enters it.
    for (std::size_t row = 21; row <= 30; ++row)
        data->Records[row] = TRecordEntry{};
    competition(1, false, 1, 20, 5, entrants);
    EXPECT_FALSE(give(false));
    EXPECT_EQ(prizeRowNames(), std::vector<std::string>(10));
}

TEST_F(PrizeGivingTest, RatingEntryByExactNameAndKind)
{
    // A member named like a country, a name not in the rating at all and a name that only
    // starts like a rated one; Куба's prize points wrap like every stored sum.
    addMember("Россия");
    data->Rating[29].PrizePoints = std::numeric_limits<int32_t>::max() - 10;
    data->Rating[29].RatingPoints = std::numeric_limits<int32_t>::max();
    competition(3, false, 1, 20, 5,
                {{"Россия", 4000}, {"Атлантида", 3900}, {"Куба", 4100}, {"Кубань", 100}});
    const auto ratingBefore = data->Rating;

    give(false);

    ASSERT_EQ(view.awards.size(), 4u);
    EXPECT_EQ(view.awards[1].name, "Атлантида");
    EXPECT_GT(view.awards[1].prize, 0);
    // The member's prize goes to the member's own entry, never to the computer's.
    EXPECT_GT(data->Rating[33].PrizePoints, 0);
    EXPECT_EQ(data->Rating[6].PrizePoints, ratingBefore[6].PrizePoints);
    const int32_t cuba = RoundToInt32(view.awards[3].prize);
    ASSERT_GT(cuba, 10);
    EXPECT_EQ(data->Rating[29].PrizePoints, std::numeric_limits<int32_t>::min() + cuba - 11);
    EXPECT_EQ(data->Rating[29].RatingPoints, std::numeric_limits<int32_t>::min() + cuba - 1);
    // Nobody else gained anything.
    for (std::size_t e = 1; e <= 33; ++e) {
        if (e != 29 && e != 33)
            EXPECT_EQ(data->Rating[e].PrizePoints, ratingBefore[e].PrizePoints) << e;
    }
}

TEST_F(PrizeGivingTest, NothingForAnUnfinishedOrForeignCompetition)
{
    const auto ratingBefore = data->Rating;
    TSaveSlot &slot = competition(6, false, 1, 20, 5, {{"Аня", 4000}, {"Куба", 3000}});
    slot.Tur.RoundsPlayed = 19;
    files.SaveSlots();
    const std::vector<uint8_t> slotsFile = folder.read(kSlotsFile);

    EXPECT_FALSE(give(false));
    // The championship kind looks at its own current slot, which is none.
    EXPECT_FALSE(give(true));
    // A tournament slot made current as a championship is not the championship's.
    data->CurChamSlot = 6;
    slot.Tur.RoundsPlayed = 20;
    EXPECT_FALSE(give(true));
    // A slot no dialog could have made is not rewarded either.
    slot.Tur.Difficulty = 0;
    EXPECT_FALSE(give(false));

    EXPECT_TRUE(view.awards.empty());
    EXPECT_EQ(data->CurTurSlot, 6);
    EXPECT_EQ(data->Slots[6].Title.text(), "Кубок клуба");
    EXPECT_TRUE(std::memcmp(&data->Rating, &ratingBefore, sizeof ratingBefore) == 0);
    EXPECT_EQ(folder.read(kSlotsFile), slotsFile);
}
