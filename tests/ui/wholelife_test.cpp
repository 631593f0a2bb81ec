// A club's whole life through the real windows: two members join, play a tournament and one of
// them a championship, the prizes are given, and the program starts again on the same folder.
// Every file is then checked against the games as they ended and the prizes as they were given.
#include "coach/coachtable.h"
#include "competition/slotrules.h"
#include "data/storedmath.h"
#include "data/verdictbook.h"
#include "results/prizes.h"

#include "tests/support/solvedtable.h"
#include "tests/ui/programfixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <map>
#include <numeric>

namespace
{

constexpr int kTurDifficulty = 7;
constexpr int kChamDifficulty = 4;
constexpr int kRounds = 10;
constexpr int kTurPlayers = 5;
constexpr int kChamPlayers = 12;
// A computer's game books its total + 10 × (6 − D): at difficulty 7 and 4.
constexpr int kTurHandicap = -10;
constexpr int kChamHandicap = 20;

template <typename Record, std::size_t N>
OneBased<Record, N> readRecords(const TempFolder &folder, const char *file)
{
    const auto bytes = folder.read(file);
    OneBased<Record, N> records{};
    EXPECT_EQ(bytes.size(), sizeof records) << file;
    std::memcpy(records.begin(), bytes.data(), std::min(bytes.size(), sizeof records));
    return records;
}

// A row offered to a record table.
struct Row {
    int64_t score = 0;
    std::string name;
    TRecordEntry entry{};
};
// What a table of count rows holds after all the offers: the best scores above its free rows'
// 0, earlier ones first among equals, then free rows.
std::vector<Row> best(std::vector<Row> rows, std::size_t count)
{
    std::erase_if(rows, [](const Row &row) { return row.score <= 0; });
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row &a, const Row &b) { return a.score > b.score; });
    rows.resize(count);
    return rows;
}

struct Player {
    int games = 0;
    int64_t total = 0;
    std::vector<int64_t> last;
    int64_t prize = 0;
};

class WholeLifeTest : public ProgramTest
{
protected:
    void addMembers()
    {
        whenModal("TClubForm", [](QWidget *club) {
            club->findChild<QAbstractButton *>("AddButton")->click();
            club->findChild<QAbstractButton *>("AddButton")->click();
            club->findChild<QAbstractButton *>("CloseButton")->click();
        });
        for (const auto &[name, password] : members) {
            whenModal("TAddPlayerForm", [name = name, password = password](QWidget *add) {
                add->findChild<QLineEdit *>("NameEdit")->insert(QString::fromStdString(name));
                add->findChild<QLineEdit *>("ParoleEdit")->insert(QString::fromStdString(password));
                add->findChild<QLineEdit *>("ParoleTooEdit")
                    ->insert(QString::fromStdString(password));
                add->findChild<QAbstractButton *>("OKButton")->click();
            });
            passwords[name] = password;
        }
        pressKey(Qt::Key_F5);
    }

    // The games' scores booked per player name, as the rating books them.
    void book(const PlayedGame &game, int difficulty, int handicap)
    {
        for (const GamePlayer &seat : game.seats) {
            const int64_t total = seat.sheet[kTotalCell];
            const int64_t score = seat.isHuman() ? total : total + handicap;
            Player &player = players[seat.name.text()];
            ++player.games;
            player.total += score;
            player.last.push_back(score);
            Row row;
            row.score = score;
            row.name = seat.name.text();
            row.entry.Difficulty = seat.isHuman() ? 0 : uint8_t(difficulty);
            for (int k = 1; k <= 16; ++k)
                row.entry.ComboScores[std::size_t(k)] = seat.sheet[std::size_t(k)];
            gameRows.push_back(std::move(row));
        }
    }

    // The prizes as given, last place first: from the slot as it finished, each place's
    // participant as the program ranked them.
    template <std::size_t N> void award(const TSaveSlot &slot, const OneBased<uint8_t, N> &order)
    {
        for (int place = ParticipantCount(slot); place >= 1; --place) {
            const int k = order[std::size_t(place)];
            const double prize = PrizeFor(slot, k, place);
            const std::string name = slot.Names[std::size_t(k)].text();
            if (prize > 0)
                players[name].prize += RoundToInt32(prize);
            if (k > HumanCount(slot))
                continue;
            const double points =
                slot.IsCham ? slot.Cham.Points[std::size_t(k)] : slot.Tur.TurTotal[std::size_t(k)];
            Row row;
            row.score = RoundToInt32(prize * 100);
            row.name = name;
            row.entry.Prize.Difficulty = SlotDifficulty(slot);
            row.entry.Prize.Rounds = RoundsTotal(slot);
            row.entry.Prize.Place = uint8_t(place);
            row.entry.Prize.Participants = ParticipantCount(slot);
            row.entry.Prize.AvgScore = RoundToInt32(points / kRounds * 100);
            if (slot.IsCham)
                row.entry.Prize.AvgBalls =
                    RoundToInt32(slot.Cham.Balls[std::size_t(k)] / double(kRounds) * 100);
            row.entry.Prize.IsCham = slot.IsCham;
            prizeRows.push_back(std::move(row));
        }
    }

    const std::vector<std::pair<std::string, std::string>> members{{"Аня", "ёлка"},
                                                                   {"Борис", "секрет"}};
    std::map<std::string, Player> players;
    std::vector<Row> gameRows;
    std::vector<Row> prizeRows;
};

} // namespace

TEST_F(WholeLifeTest, ClubPlaysATournamentAndAChampionshipAndKeepsEverything)
{
    // The coach's table is there, so the members' games are judged without a progress window.
    ASSERT_TRUE(SolvedTable().save(folder.file(CoachTable::kCacheFile)));
    start();
    addMembers();
    ASSERT_EQ(data->ClubCount, 2);

    // The tournament: both members and three computers.
    newCompetition(Qt::Key_F2, {"Аня", "Борис"}, kTurPlayers, kTurDifficulty, kRounds, "Осенний",
                   1);
    ASSERT_EQ(data->CurTurSlot, 1);
    std::vector<std::string> turNames(kTurPlayers + 1);
    for (int i = 1; i <= kTurPlayers; ++i)
        turNames[std::size_t(i)] = data->Slots[1].Names[std::size_t(i)].text();
    std::vector<int64_t> turTotal(kTurPlayers + 1), turDiff(kTurPlayers + 1);
    for (int round = 1; round <= kRounds; ++round) {
        press("TurContinueButton");
        ASSERT_EQ(data->Slots[1].Tur.RoundsPlayed, round);
        const PlayedGame game = lastGame();
        book(game, kTurDifficulty, kTurHandicap);
        int64_t sum = 0;
        for (const GamePlayer &seat : game.seats)
            sum += seat.sheet[kTotalCell];
        const int64_t average = RoundToInt32(double(sum) / kTurPlayers);
        for (int i = 1; i <= kTurPlayers; ++i) {
            const GamePlayer &seat = game.seats[std::size_t(i - 1)];
            ASSERT_EQ(seat.name.text(), turNames[std::size_t(i)]);
            turTotal[std::size_t(i)] += seat.sheet[kTotalCell];
            turDiff[std::size_t(i)] += seat.sheet[kTotalCell] - average;
        }
    }
    EXPECT_FALSE(
        windows->mainForm().findChild<QAbstractButton *>("TurContinueButton")->isEnabled());

    // The championship: Anya and eleven computers in three groups of four.
    newCompetition(Qt::Key_F3, {"Аня"}, kChamPlayers, kChamDifficulty, kRounds, "Зимний", 2);
    ASSERT_EQ(data->CurChamSlot, 2);
    std::vector<std::string> chamNames(kChamPlayers + 1);
    for (int i = 1; i <= kChamPlayers; ++i)
        chamNames[std::size_t(i)] = data->Slots[2].Names[std::size_t(i)].text();
    std::vector<int64_t> balls(kChamPlayers + 1), points(kChamPlayers + 1),
        chamDiff(kChamPlayers + 1);
    for (int round = 1; round <= kRounds; ++round) {
        const std::size_t before = games.size();
        press("ChamContinueButton");
        ASSERT_EQ(data->Slots[2].Cham.RoundsPlayed, round);
        ASSERT_EQ(games.size(), before + 3);
        for (int g = 1; g <= 3; ++g) {
            const PlayedGame &game = games[before + std::size_t(g - 1)];
            book(game, kChamDifficulty, kChamHandicap);
            const TChamGroup &group = data->Groups[std::size_t(g)];
            // Each seat's participant and its position in the group as distributed.
            struct Result {
                int participant, position;
                int64_t total;
            };
            std::vector<Result> results;
            int64_t sum = 0;
            for (const GamePlayer &seat : game.seats) {
                const int p = int(std::find(chamNames.begin(), chamNames.end(), seat.name.text()) -
                                  chamNames.begin());
                const int position = int(std::find(group.Member.begin(), group.Member.end(), p) -
                                         group.Member.begin()) +
                                     1;
                results.push_back({p, position, seat.sheet[kTotalCell]});
                sum += seat.sheet[kTotalCell];
            }
            const int64_t average = RoundToInt32(double(sum) / 4);
            std::sort(results.begin(), results.end(), [](const Result &a, const Result &b) {
                return a.total != b.total ? a.total > b.total : a.position < b.position;
            });
            const int groupBalls[] = {4, 2, 1, 0};
            for (std::size_t rank = 0; rank < results.size(); ++rank) {
                const auto &r = results[rank];
                balls[std::size_t(r.participant)] += groupBalls[rank];
                points[std::size_t(r.participant)] += r.total;
                chamDiff[std::size_t(r.participant)] += r.total - average;
            }
        }
    }

    // Prizes, then a fresh start on the same folder.
    const TSaveSlot tournament = data->Slots[1];
    press("TurPraiseButton");
    award(tournament, data->TurOrder);
    const TSaveSlot championship = data->Slots[2];
    press("ChamPraiseButton");
    award(championship, data->ChamOrder);
    EXPECT_FALSE(windows->mainForm().findChild<QAbstractButton *>("TurPraiseButton")->isVisible());
    EXPECT_FALSE(windows->mainForm().findChild<QAbstractButton *>("ChamPraiseButton")->isVisible());

    boxes.shown.clear();
    start();
    EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front().text;
    EXPECT_EQ(data->ClubCount, 2);

    // The club file: both members with their passwords, the rest free.
    const auto club = folder.read(kClubFile);
    ASSERT_EQ(club.size(), 540u);
    for (std::size_t k = 0; k < members.size(); ++k) {
        const uint8_t *record = club.data() + 54 * k;
        const Str17 name = Str17::fromText(members[k].first);
        const Str17 password = Str17::fromText(members[k].second);
        EXPECT_EQ(std::memcmp(record, &name, 1 + name.Length), 0);
        // Each password byte is the stored byte XOR the mask byte 18 places further on.
        const auto *plain = reinterpret_cast<const uint8_t *>(&password);
        for (int i = 0; i <= password.Length; ++i)
            EXPECT_EQ(record[18 + i] ^ record[36 + i], plain[i]) << members[k].first;
    }
    EXPECT_TRUE(std::all_of(club.begin() + 108, club.end(), [](uint8_t b) { return b == 0; }));

    // The rating: every player's games, scores and prizes.
    const auto rating = readRecords<TRatingEntry, 41>(folder, kRatingFile);
    std::size_t played = 0;
    for (std::size_t e = 1; e <= 32; ++e) {
        const TRatingEntry &entry = rating[e];
        SCOPED_TRACE(entry.Name.text());
        const auto found = players.find(entry.Name.text());
        if (found == players.end()) {
            EXPECT_EQ(entry.Games, 0);
            EXPECT_EQ(entry.RatingPoints, 0);
            continue;
        }
        const Player &player = found->second;
        ++played;
        EXPECT_EQ(entry.Games, player.games);
        EXPECT_EQ(entry.TotalScore, player.total);
        EXPECT_EQ(entry.PrizePoints, player.prize);
        const int64_t last = std::accumulate(player.last.begin(), player.last.end(), int64_t(0));
        EXPECT_EQ(entry.RatingPoints, 2 * last + player.prize + player.games);
        for (std::size_t g = 0; g < player.last.size(); ++g)
            EXPECT_EQ(entry.Last50[g + 1], player.last[g]);
        EXPECT_EQ(entry.Status[1], 1);
    }
    EXPECT_EQ(played, players.size()) << "every player found in the rating";
    EXPECT_EQ(players["Аня"].games, 2 * kRounds);
    EXPECT_EQ(players["Борис"].games, kRounds);

    // The coach judged every game of each member.
    const auto judged = [&](const char *name) {
        const TVerdictEntry *verdicts = VerdictsOf(*data, Str17::fromText(name));
        return verdicts ? int(verdicts->Count) : -1;
    };
    EXPECT_EQ(judged("Аня"), 2 * kRounds);
    EXPECT_EQ(judged("Борис"), kRounds);

    // The records: twenty best games and the prize rows of the club members.
    const auto records = readRecords<TRecordEntry, 31>(folder, kRecordsFile);
    gameRows = best(gameRows, 20);
    prizeRows = best(prizeRows, 10);
    for (std::size_t b = 1; b <= 20; ++b) {
        const Row &row = gameRows[b - 1];
        SCOPED_TRACE("game row " + std::to_string(b));
        EXPECT_EQ(records[b].Name.text(), row.name);
        EXPECT_EQ(records[b].Score, row.score);
        if (row.name.empty())
            continue;
        EXPECT_EQ(records[b].Difficulty, row.entry.Difficulty);
        // By value: the records are packed, so a reference to a date would be misaligned.
        EXPECT_EQ(double(records[b].Date), FixedClock::kToday);
        EXPECT_EQ(records[b].ComboScores, row.entry.ComboScores);
    }
    for (std::size_t b = 21; b <= 30; ++b) {
        const Row &row = prizeRows[b - 21];
        SCOPED_TRACE("prize row " + std::to_string(b));
        EXPECT_EQ(records[b].Name.text(), row.name);
        EXPECT_EQ(records[b].Score, row.score);
        if (row.name.empty())
            continue;
        EXPECT_EQ(double(records[b].Date), FixedClock::kToday);
        const TPrizeFields &got = records[b].Prize;
        const TPrizeFields &want = row.entry.Prize;
        EXPECT_EQ(got.Place, want.Place);
        EXPECT_EQ(got.Difficulty, want.Difficulty);
        EXPECT_EQ(got.Rounds, want.Rounds);
        EXPECT_EQ(got.Participants, want.Participants);
        EXPECT_EQ(got.AvgScore, want.AvgScore);
        EXPECT_EQ(got.AvgBalls, want.AvgBalls);
        EXPECT_EQ(got.IsCham, want.IsCham);
    }

    // The save file: both slots free again, their final standings kept behind the title.
    const auto saved = readRecords<TSaveSlot, 11>(folder, kSlotsFile);
    EXPECT_EQ(saved[1].Title.Length, 0);
    EXPECT_EQ(saved[2].Title.Length, 0);
    EXPECT_EQ(saved[1].Tur.RoundsPlayed, kRounds);
    for (int i = 1; i <= kTurPlayers; ++i) {
        EXPECT_EQ(saved[1].Tur.TurTotal[std::size_t(i)], turTotal[std::size_t(i)]);
        EXPECT_EQ(saved[1].Tur.TurDiff[std::size_t(i)], turDiff[std::size_t(i)]);
    }
    EXPECT_EQ(saved[2].Cham.RoundsPlayed, kRounds);
    for (int i = 1; i <= kChamPlayers; ++i) {
        EXPECT_EQ(saved[2].Cham.Balls[std::size_t(i)], balls[std::size_t(i)]);
        EXPECT_EQ(saved[2].Cham.Points[std::size_t(i)], points[std::size_t(i)]);
        EXPECT_EQ(saved[2].Cham.ChamDiff[std::size_t(i)], chamDiff[std::size_t(i)]);
    }
    EXPECT_EQ(std::accumulate(balls.begin(), balls.end(), int64_t(0)), kRounds * 3 * 7);
}
