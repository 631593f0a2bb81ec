#include "competition/standingsrows.h"

#include <gtest/gtest.h>

namespace
{

// Each row as "text:ink|" cells, so one string states a whole row.
std::vector<std::string> rowTexts(const StandingsTexts &texts)
{
    const std::pair<Ink, char> letters[] = {{Ink::White, 'W'},  {Ink::Aqua, 'A'},  {Ink::Teal, 'T'},
                                            {Ink::Yellow, 'Y'}, {Ink::Olive, 'O'}, {Ink::Red, 'R'},
                                            {Ink::Lime, 'L'}};
    std::vector<std::string> rows;
    for (const StandingsRow &row : texts.rows) {
        std::string line;
        for (const StandingsCell &cell : row)
            for (const auto &[ink, letter] : letters)
                if (ink == cell.ink)
                    line += cell.text + ':' + letter + '|';
        rows.push_back(line);
    }
    return rows;
}

} // namespace

TEST(CompetitionStandings, TournamentByTotalEqualTotalsLowerNumberFirst)
{
    SharedData data;
    TSaveSlot slot{};
    slot.Tur.RoundsPlayed = 3;
    slot.Tur.RoundsTotal = 20;
    slot.Tur.Difficulty = 7;
    slot.Tur.ParticipantCount = 4;
    slot.Tur.HumanCount = 1;
    const char *names[] = {"Вася", "Япония", "Куба", "Новая Зеландия"};
    const int totals[] = {500, 612, 500, 12345};
    const int diffs[] = {-3, 0, 7, -120};
    for (std::size_t p = 1; p <= 4; ++p) {
        slot.Names[p] = Str17::fromText(names[p - 1]);
        slot.Tur.TurTotal[p] = totals[p - 1];
        slot.Tur.TurDiff[p] = diffs[p - 1];
    }

    const StandingsTexts texts = TournamentStandings(data, slot);
    EXPECT_EQ(texts.heading, "Положение после 3 тура (из 20).");
    EXPECT_EQ(texts.difficulty, "Сложность : 7");
    EXPECT_FALSE(texts.finished);
    EXPECT_EQ(rowTexts(texts), (std::vector<std::string>{
                                   " 1:W|Новая Зеландия:A|12345:Y|-120:R|",
                                   " 2:W|Япония:A| 612:Y|   0:L|",
                                   " 3:W|Вася:T| 500:Y|  -3:R|",
                                   " 4:W|Куба:A| 500:Y|   7:L|",
                               }));
    EXPECT_EQ(data.TurOrder[1], 4);
    EXPECT_EQ(data.TurOrder[4], 3);
    slot.Tur.RoundsPlayed = 20;
    EXPECT_TRUE(TournamentStandings(data, slot).finished);

    // More club members chosen than seats: only the seats are shown, all as club members.
    slot.Tur.ParticipantCount = 2;
    slot.Tur.HumanCount = 3;
    EXPECT_EQ(
        rowTexts(TournamentStandings(data, slot)),
        (std::vector<std::string>{" 1:W|Япония:T| 612:Y|   0:L|", " 2:W|Вася:T| 500:Y|  -3:R|"}));
}

TEST(CompetitionStandings, ChampionshipRowsByBallsThenPoints)
{
    SharedData data;
    TSaveSlot slot{};
    slot.IsCham = 1;
    slot.Cham.RoundsPlayed = 30;
    slot.Cham.RoundsTotal = 30;
    slot.Cham.Difficulty = 10;
    slot.Cham.ParticipantCount = 12;
    slot.Cham.HumanCount = 2;
    for (std::size_t p = 1; p <= 12; ++p)
        slot.Names[p] = Str17::fromText(p <= 2 ? "Член" : "Компьютер");
    // 5 and 6 share balls, 6 has more points; 7 and 8 share both and keep their numbers; 9 has
    // one ball more than 10 and far fewer points, and stays above.
    const int table[][4] = {{5, 20, 900, 0}, {6, 20, 950, -8}, {7, 3, 100, 0},  {8, 3, 100, 0},
                            {2, 21, 0, 15},  {9, 10, 3000, 0}, {10, 9, 4100, 0}};
    for (const auto &[p, balls, points, diff] : table) {
        slot.Cham.Balls[std::size_t(p)] = balls;
        slot.Cham.Points[std::size_t(p)] = points;
        slot.Cham.ChamDiff[std::size_t(p)] = diff;
    }

    const StandingsTexts texts = ChampionshipStandings(data, slot);
    EXPECT_EQ(texts.heading, "Положение после 30 тура (из 30).");
    EXPECT_EQ(texts.difficulty, "Сложность : 10");
    EXPECT_TRUE(texts.finished);
    const std::vector<std::string> rows = rowTexts(texts);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0], " 1:W|Член:T|  21:Y|   0:O|  15:L|");
    EXPECT_EQ(rows[1], " 2:W|Компьютер:A|  20:Y| 950:O|  -8:R|");
    EXPECT_EQ(rows[11].substr(0, 5), "12:W|");
    const int order[] = {2, 6, 5, 9, 10, 7, 8, 1, 3, 4, 11, 12};
    for (std::size_t r = 1; r <= 12; ++r)
        EXPECT_EQ(data.ChamOrder[r], order[r - 1]) << "row " << r;
}
