#include "data/datafiles.h"
#include "data/ratingbook.h"
#include "data/storedmath.h"
#include "results/prizes.h"

#include "tests/support/scriptedboxes.h"
#include "tests/support/tempfolder.h"
#include "tests/support/unwatchedgame.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace
{

using Limits = std::numeric_limits<int32_t>;

// Keeps every award as "name place" and its prize.
class RecordingView : public AwardView
{
public:
    void showAward(const std::string &name, int place, double prize) override
    {
        awards.push_back(name + " " + std::to_string(place));
        prizes.push_back(prize);
    }
    std::vector<std::string> awards;
    std::vector<double> prizes;
};

struct Entrant {
    const char *name;
    int32_t points;
    int32_t balls = 0;
};

// Name, score and prize fields of a record row on one line.
std::string rowText(const TRecordEntry &row)
{
    const TPrizeFields &p = row.Prize;
    std::string text = row.Name.text();
    for (int64_t value :
         {int64_t(row.Score), int64_t(p.Difficulty), int64_t(p.Rounds), int64_t(p.Place),
          int64_t(p.Participants), int64_t(p.AvgScore), int64_t(p.AvgBalls), int64_t(p.IsCham)})
        text += " " + std::to_string(value);
    return text;
}

// Fresh data files with the club members "Аня" and "Боря" (rating entries 31 and 32).
class PrizeGivingTest : public ::testing::Test
{
protected:
    PrizeGivingTest()
    {
        files.LoadAll();
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

    // A finished, current competition in slot number; the first humans entrants are members.
    TSaveSlot &competition(int number, bool cham, int humans, int rounds, int difficulty,
                           const std::vector<Entrant> &entrants)
    {
        TSaveSlot &slot = data->Slots[std::size_t(number)];
        slot = TSaveSlot{};
        slot.IsCham = cham;
        slot.Title = Str21::fromText("Кубок клуба");
        for (std::size_t k = 1; k <= entrants.size(); ++k) {
            slot.Names[k] = Str17::fromText(entrants[k - 1].name);
            (cham ? slot.Cham.Points[k] : slot.Tur.TurTotal[k]) = entrants[k - 1].points;
            if (cham)
                slot.Cham.Balls[k] = entrants[k - 1].balls;
        }
        const auto fill = [&](auto &fields) {
            fields.RoundsPlayed = fields.RoundsTotal = uint8_t(rounds);
            fields.Difficulty = uint8_t(difficulty);
            fields.ParticipantCount = uint8_t(entrants.size());
            fields.HumanCount = uint8_t(humans);
        };
        cham ? fill(slot.Cham) : fill(slot.Tur);
        (cham ? data->CurChamSlot : data->CurTurSlot) = uint8_t(number);
        files.SaveSlots();
        return slot;
    }

    bool give(bool cham) { return GivePrizes(*data, files, clock, view, cham); }

    // Whether a data file holds memory's records byte for byte, all but the checksum record.
    template <typename Record, std::size_t N>
    bool fileHolds(const char *file, const OneBased<Record, N> &records) const
    {
        const std::vector<uint8_t> bytes = folder.read(file);
        return bytes.size() == sizeof records &&
               std::memcmp(bytes.data(), &records, (N - 1) * sizeof(Record)) == 0;
    }
    // Every rating entry that changed, as "entry:prize gain/rating gain" with stored wrapping.
    std::string gains(const decltype(SharedData::Rating) &before) const
    {
        const auto gain = [](int32_t now, int32_t was) {
            return std::to_string(int32_t(uint32_t(now) - uint32_t(was)));
        };
        std::string text;
        for (std::size_t e = 1; e <= 40; ++e) {
            const TRatingEntry &now = data->Rating[e], &was = before[e];
            if (std::memcmp(&now, &was, sizeof now) != 0)
                text += std::to_string(e) + ":" + gain(now.PrizePoints, was.PrizePoints) + "/" +
                        gain(now.RatingPoints, was.RatingPoints) + " ";
        }
        return text;
    }
    bool allSaved() const
    {
        return fileHolds(kSlotsFile, data->Slots) && fileHolds(kRatingFile, data->Rating) &&
               fileHolds(kRecordsFile, data->Records);
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
    const TSaveSlot before = competition(
        4, false, 2, 20, 7, {{"Аня", 4200}, {"Боря", 3000}, {"Россия", 4400}, {"Куба", 3600}});
    const auto ratingBefore = data->Rating;

    EXPECT_TRUE(give(false));

    EXPECT_EQ(view.awards, (std::vector<std::string>{"Боря 4", "Куба 3", "Аня 2", "Россия 1"}));
    const int participants[] = {2, 4, 1, 3};
    for (int i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(view.prizes[i], PrizeFor(before, participants[i], 4 - i));
    EXPECT_NEAR(view.prizes[2], 26.79, 0.005);
    EXPECT_NEAR(view.prizes[3], 30.22, 0.005);
    // Positive prizes earn points; Куба's and Боря's losses cost nothing.
    EXPECT_EQ(gains(ratingBefore), "6:30/30 31:27/27 ");

    // Only the member above the empty rows' 0 enters; computers never do.
    EXPECT_EQ(rowText(data->Records[21]), "Аня 2679 7 20 2 4 21000 0 0");
    // By value: the records are packed, so a reference to a date would be misaligned.
    EXPECT_EQ(double(data->Records[21].Date), FixedClock::kToday);
    EXPECT_TRUE(data->Records[22].Name.empty());
    EXPECT_TRUE(data->Slots[4].Title.empty());
    EXPECT_EQ(data->CurTurSlot, 0);
    EXPECT_TRUE(allSaved()); // before the caller's message

    view.awards.clear();
    EXPECT_FALSE(give(false)); // prizes are given once
    EXPECT_TRUE(view.awards.empty());
}

TEST_F(PrizeGivingTest, ChampionshipRowCarriesBallsAndTheTournamentKeepsTheOtherCurrent)
{
    std::vector<Entrant> entrants = {{"Аня", 2000, 31}};
    for (int k = 1; k <= 11; ++k)
        entrants.push_back({ComputerNames[std::size_t(k)], 1800 + k, 20 - k});
    const TSaveSlot before = competition(7, true, 1, 10, 5, entrants);
    competition(2, false, 0, 10, 5, {{"Куба", 0}, {"Алжир", 0}});
    data->Slots[2].Tur.RoundsPlayed = 1;

    EXPECT_TRUE(give(true));

    // By balls: Аня 31, then the computers 1..11 with 19..9 balls.
    ASSERT_EQ(view.awards.size(), 12u);
    for (int place = 1; place <= 12; ++place) {
        const auto i = std::size_t(12 - place);
        EXPECT_EQ(view.awards[i],
                  before.Names[std::size_t(place)].text() + " " + std::to_string(place));
        EXPECT_DOUBLE_EQ(view.prizes[i], PrizeFor(before, place, place));
    }
    const std::string score = std::to_string(RoundToInt32(view.prizes[11] * 100));
    EXPECT_EQ(rowText(data->Records[21]), "Аня " + score + " 5 10 1 12 20000 310 1");
    EXPECT_TRUE(data->Records[22].Name.empty());
    EXPECT_TRUE(data->Slots[7].Title.empty());
    EXPECT_EQ(data->CurChamSlot, 0);
    EXPECT_EQ(data->CurTurSlot, 2);
    EXPECT_TRUE(allSaved());
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
    EXPECT_NEAR(view.prizes.at(0), -28.42, 0.005);
    EXPECT_EQ(data->Records[30].Name.text(), "Рек30");
    EXPECT_EQ(folder.read(kRecordsFile), recordsFile);

    data->Records[30].Score = -3000;
    competition(1, false, 1, 20, 5, entrants);
    EXPECT_TRUE(give(false));
    EXPECT_EQ(data->Records[30].Name.text(), "Боря");
    EXPECT_EQ(data->Records[30].Score, -2842);
    EXPECT_EQ(data->Records[29].Name.text(), "Рек29");
    EXPECT_TRUE(fileHolds(kRecordsFile, data->Records));

    // An empty table holds 0 in every row: a negative prize never enters it.
    for (std::size_t row = 21; row <= 30; ++row)
        data->Records[row] = TRecordEntry{};
    competition(1, false, 1, 20, 5, entrants);
    EXPECT_FALSE(give(false));
    for (std::size_t row = 21; row <= 30; ++row)
        EXPECT_TRUE(data->Records[row].Name.empty()) << row;
}

TEST_F(PrizeGivingTest, RatingEntryByExactNameAndKind)
{
    // A member named like a country gains in the member's own entry; a name not in the rating
    // and one that only starts like a rated one gain nowhere; Куба's points wrap at the top.
    addMember("Россия");
    data->Rating[29].PrizePoints = Limits::max() - 10;
    data->Rating[29].RatingPoints = Limits::max();
    competition(3, false, 1, 20, 5,
                {{"Россия", 4000}, {"Атлантида", 3900}, {"Куба", 4100}, {"Кубань", 100}});
    const auto ratingBefore = data->Rating;

    give(false);

    ASSERT_EQ(view.awards,
              (std::vector<std::string>{"Кубань 4", "Атлантида 3", "Россия 2", "Куба 1"}));
    EXPECT_GT(view.prizes[1], 0);
    const std::string russia = std::to_string(RoundToInt32(view.prizes[2]));
    const std::string cuba = std::to_string(RoundToInt32(view.prizes[3]));
    EXPECT_EQ(gains(ratingBefore),
              "29:" + cuba + "/" + cuba + " 33:" + russia + "/" + russia + " ");
    EXPECT_LT(data->Rating[29].RatingPoints, 0);
}

TEST_F(PrizeGivingTest, NothingForAnUnfinishedOrForeignCompetition)
{
    const auto ratingBefore = data->Rating;
    TSaveSlot &slot = competition(6, false, 1, 20, 5, {{"Аня", 4000}, {"Куба", 3000}});
    slot.Tur.RoundsPlayed = 19;
    files.SaveSlots();
    const std::vector<uint8_t> slotsFile = folder.read(kSlotsFile);

    EXPECT_FALSE(give(false));
    EXPECT_FALSE(give(true)); // no current championship
    // A tournament slot made current as a championship is not the championship's.
    data->CurChamSlot = 6;
    slot.Tur.RoundsPlayed = 20;
    EXPECT_FALSE(give(true));
    // A slot no dialog could have made is not rewarded either.
    slot.Tur.Difficulty = 0;
    EXPECT_FALSE(give(false));

    EXPECT_TRUE(view.awards.empty());
    EXPECT_EQ(data->CurTurSlot, 6);
    EXPECT_FALSE(data->Slots[6].Title.empty());
    EXPECT_EQ(std::memcmp(&data->Rating, &ratingBefore, sizeof ratingBefore), 0);
    EXPECT_EQ(folder.read(kSlotsFile), slotsFile);
}
