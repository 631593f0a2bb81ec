#include "competition/standingsrows.h"

#include <gtest/gtest.h>

namespace
{

using Cells = std::vector<std::pair<std::string, Ink>>;

Cells cells(const StandingsRow &row)
{
    Cells result;
    for (const StandingsCell &cell : row)
        result.emplace_back(cell.text, cell.ink);
    return result;
}

void name(TSaveSlot &slot, int p, const char *text)
{
    slot.Names[std::size_t(p)] = Str17::fromText(text);
}

} // namespace

TEST(CompetitionStandings, TournamentRowsByTotalEqualTotalsLowerNumberFirst)
{
    SharedData data;
    TSaveSlot slot{};
    slot.Title = Str21::fromText("Т");
    slot.Tur = {};
    slot.Tur.RoundsPlayed = 3;
    slot.Tur.RoundsTotal = 20;
    slot.Tur.Difficulty = 7;
    slot.Tur.ParticipantCount = 4;
    slot.Tur.HumanCount = 1;
    name(slot, 1, "Вася");
    name(slot, 2, "Япония");
    name(slot, 3, "Куба");
    name(slot, 4, "Новая Зеландия");
    const int totals[] = {500, 612, 500, 12345};
    const int diffs[] = {-3, 0, 7, -120};
    for (int p = 1; p <= 4; ++p) {
        slot.Tur.TurTotal[std::size_t(p)] = totals[p - 1];
        slot.Tur.TurDiff[std::size_t(p)] = diffs[p - 1];
    }

    const StandingsTexts texts = TournamentStandings(data, slot);
    EXPECT_EQ(texts.heading, "Положение после 3 тура (из 20).");
    EXPECT_EQ(texts.difficulty, "Сложность : 7");
    EXPECT_FALSE(texts.finished);
    ASSERT_EQ(texts.rows.size(), 4u);
    EXPECT_EQ(cells(texts.rows[0]), (Cells{{" 1", Ink::White},
                                           {"Новая Зеландия", Ink::Aqua},
                                           {"12345", Ink::Yellow},
                                           {"-120", Ink::Red}}));
    EXPECT_EQ(cells(texts.rows[1]), (Cells{{" 2", Ink::White},
                                           {"Япония", Ink::Aqua},
                                           {" 612", Ink::Yellow},
                                           {"   0", Ink::Lime}}));
    EXPECT_EQ(
        cells(texts.rows[2]),
        (Cells{
            {" 3", Ink::White}, {"Вася", Ink::Teal}, {" 500", Ink::Yellow}, {"  -3", Ink::Red}}));
    EXPECT_EQ(
        cells(texts.rows[3]),
        (Cells{
            {" 4", Ink::White}, {"Куба", Ink::Aqua}, {" 500", Ink::Yellow}, {"   7", Ink::Lime}}));
    EXPECT_EQ(data.TurOrder[1], 4);
    EXPECT_EQ(data.TurOrder[4], 3);

    slot.Tur.RoundsPlayed = 20;
    EXPECT_TRUE(TournamentStandings(data, slot).finished);
}

TEST(CompetitionStandings, TournamentWithMoreClubMembersThanSeatsShowsTheSeatsOnly)
{
    SharedData data;
    TSaveSlot slot{};
    slot.Tur.RoundsTotal = 10;
    slot.Tur.Difficulty = 1;
    slot.Tur.ParticipantCount = 2;
    slot.Tur.HumanCount = 3;
    name(slot, 1, "Аня");
    name(slot, 2, "Боря");
    name(slot, 3, "Вера");
    const StandingsTexts texts = TournamentStandings(data, slot);
    ASSERT_EQ(texts.rows.size(), 2u);
    EXPECT_EQ(texts.rows[0][1].text, "Аня");
    EXPECT_EQ(texts.rows[0][1].ink, Ink::Teal);
    EXPECT_EQ(texts.rows[1][1].text, "Боря");
    EXPECT_EQ(texts.rows[1][1].ink, Ink::Teal);
    EXPECT_EQ(texts.heading, "Положение после 0 тура (из 10).");
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
    for (int p = 1; p <= 12; ++p)
        name(slot, p, p <= 2 ? "Член" : "Компьютер");
    // 5 and 6 share balls, 6 has more points; 7 and 8 share both and keep their numbers.
    slot.Cham.Balls[5] = 20;
    slot.Cham.Points[5] = 900;
    slot.Cham.Balls[6] = 20;
    slot.Cham.Points[6] = 950;
    slot.Cham.ChamDiff[6] = -8;
    slot.Cham.Balls[7] = 3;
    slot.Cham.Points[7] = 100;
    slot.Cham.Balls[8] = 3;
    slot.Cham.Points[8] = 100;
    slot.Cham.Balls[2] = 21;
    slot.Cham.ChamDiff[2] = 15;

    const StandingsTexts texts = ChampionshipStandings(data, slot);
    EXPECT_EQ(texts.heading, "Положение после 30 тура (из 30).");
    EXPECT_EQ(texts.difficulty, "Сложность : 10");
    EXPECT_TRUE(texts.finished);
    ASSERT_EQ(texts.rows.size(), 12u);
    EXPECT_EQ(cells(texts.rows[0]), (Cells{{" 1", Ink::White},
                                           {"Член", Ink::Teal},
                                           {"  21", Ink::Yellow},
                                           {"   0", Ink::Olive},
                                           {"  15", Ink::Lime}}));
    EXPECT_EQ(cells(texts.rows[1]), (Cells{{" 2", Ink::White},
                                           {"Компьютер", Ink::Aqua},
                                           {"  20", Ink::Yellow},
                                           {" 950", Ink::Olive},
                                           {"  -8", Ink::Red}}));
    const int order[] = {2, 6, 5, 7, 8, 1, 3, 4, 9, 10, 11, 12};
    for (int r = 1; r <= 12; ++r)
        EXPECT_EQ(data.ChamOrder[std::size_t(r)], order[r - 1]) << "row " << r;
    EXPECT_EQ(texts.rows[11][0].text, "12");
}
