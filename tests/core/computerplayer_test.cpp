#include "game/computerplayer.h"

#include "tests/support/scriptedrandom.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

TEST(ComputerStrength, ScalesWithDifficultyAndRatingGroup)
{
    // Difficulty 5, rating places 5..8: the factor is exactly 1.
    for (int e = 1; e <= 40; ++e)
        EXPECT_EQ(ComputerStrength(e, 5, 5), e);
    EXPECT_EQ(ComputerStrength(40, 10, 1), 52); // 1.31 * 40 = 52.4
    EXPECT_EQ(ComputerStrength(1, 1, 40), 1);   // 0.68
    EXPECT_EQ(ComputerStrength(40, 1, 40), 27); // 27.2
    EXPECT_EQ(ComputerStrength(30, 5, 1), 30);  // 1.01 * 30 = 30.3
    EXPECT_EQ(ComputerStrength(30, 7, 9), 33);  // 1.11 * 30 = 33.3
}

TEST(ComputerStrength, LevelGroupChangesAfterEveryFourthPlace)
{
    // Group G = (place + 3) div 4. At difficulty G, e = 40: k = 0.06 G + 0.66 + 0.01 (6 − G)
    // = 0.72 + 0.05 G and 40 k = 28.8 + 2 G rounds up; group G + 1 has k 0.01 lower and
    // 28.4 + 2 G rounds down. Place 1 at difficulty 2: k 0.83, 33.2 (group 0 would give 33.6).
    const int rows[][3] = {{1, 2, 33},  {4, 1, 31},  {5, 1, 30},  {8, 2, 33},  {9, 2, 32},
                           {12, 3, 35}, {13, 3, 34}, {16, 4, 37}, {17, 4, 36}, {20, 5, 39},
                           {21, 5, 38}, {24, 6, 41}, {25, 6, 40}, {28, 7, 43}, {29, 7, 42},
                           {32, 8, 45}, {33, 8, 44}, {36, 9, 47}, {37, 9, 46}, {40, 10, 49}};
    for (const auto &[place, difficulty, strength] : rows)
        EXPECT_EQ(ComputerStrength(40, difficulty, place), strength) << "place " << place;
}

TEST(ComputerValue, TableBoundaries)
{
    // Face rows: 12 strikes, 13 gives three dice, 34 four, 40 five.
    EXPECT_EQ(ComputerValue(Fours, 12, 1, 1, 2), 0);
    EXPECT_EQ(ComputerValue(Fours, 13, 1, 1, 2), 12);
    EXPECT_EQ(ComputerValue(Fours, 33, 1, 1, 2), 12);
    EXPECT_EQ(ComputerValue(Fours, 34, 1, 1, 2), 16);
    EXPECT_EQ(ComputerValue(Fours, 40, 1, 1, 2), 20);
    EXPECT_EQ(ComputerValue(Pair, 1, 2, 1, 3), -10);
    EXPECT_EQ(ComputerValue(Pair, 16, 2, 1, 3), 4);
    EXPECT_EQ(ComputerValue(Pair, 17, 2, 1, 3), 10);
    EXPECT_EQ(ComputerValue(ThreeOfAKind, 17, 3, 1, 1), 18);
    EXPECT_EQ(ComputerValue(FourOfAKind, 9, 1, 1, 2), -10);
    EXPECT_EQ(ComputerValue(FourOfAKind, 26, 1, 1, 2), 4);
    EXPECT_EQ(ComputerValue(FourOfAKind, 27, 1, 1, 2), 16);
    EXPECT_EQ(ComputerValue(FiveOfAKind, 28, 1, 1, 2), -10);
    EXPECT_EQ(ComputerValue(FiveOfAKind, 29, 1, 1, 2), 50);
    EXPECT_EQ(ComputerValue(FiveOfAKind, 35, 1, 1, 2), 50);
    EXPECT_EQ(ComputerValue(FiveOfAKind, 36, 1, 1, 2), 60);
    EXPECT_EQ(ComputerValue(FiveOfAKind, 39, 1, 1, 2), 60);
    EXPECT_EQ(ComputerValue(FiveOfAKind, 52, 1, 1, 2), 80);
    EXPECT_EQ(ComputerValue(FiveOfAKind, 40, 1, 1, 2), 80);
    EXPECT_EQ(ComputerValue(TwoPairs, 7, 1, 2, 3), -10);
    EXPECT_EQ(ComputerValue(TwoPairs, 8, 1, 2, 3), 8);   // 2 * (1 + 3)
    EXPECT_EQ(ComputerValue(TwoPairs, 15, 1, 2, 3), 12); // 2 * (1 + 2 + 3)
    EXPECT_EQ(ComputerValue(TwoPairs, 31, 1, 2, 3), 20); // 2 * (1 + 3 + 6)
    EXPECT_EQ(ComputerValue(FullHouse, 12, 1, 2, 3), -10);
    EXPECT_EQ(ComputerValue(FullHouse, 13, 1, 2, 3), 9);  // 3 + 6
    EXPECT_EQ(ComputerValue(FullHouse, 17, 1, 2, 3), 13); // 3 + 10
    EXPECT_EQ(ComputerValue(FullHouse, 25, 1, 2, 3), 16); // 12 + 4
    EXPECT_EQ(ComputerValue(FullHouse, 33, 1, 2, 3), 24); // 12 + 12
    EXPECT_EQ(ComputerValue(SmallStraight, 20, 1, 1, 2), -10);
    EXPECT_EQ(ComputerValue(SmallStraight, 21, 1, 1, 2), 15);
    EXPECT_EQ(ComputerValue(SmallStraight, 30, 1, 1, 2), 30);
    EXPECT_EQ(ComputerValue(LargeStraight, 29, 1, 1, 2), 20);
    EXPECT_EQ(ComputerValue(LargeStraight, 30, 1, 1, 2), 40);
}

TEST(ComputerValue, SumsAlwaysGetSixteenToThirty)
{
    const std::pair<int, int32_t> expected[] = {{1, 16},  {3, 18},  {4, 19},  {9, 21},  {10, 21},
                                                {33, 26}, {34, 27}, {39, 29}, {40, 30}, {52, 30}};
    for (const auto &[o, v] : expected) {
        EXPECT_EQ(ComputerValue(LowSum, o, 1, 1, 2), v) << o;
        EXPECT_EQ(ComputerValue(HighSum, o, 1, 1, 2), v) << o;
    }
}

TEST(ComputerMove, DrawsInOrderAndRedrawsTakenCombinations)
{
    ScoreSheet sheet{};
    sheet[Threes] = 9;
    ScriptedRandom random;
    random.pushUniform(1, Threes); // taken: drawn again
    random.pushUniform(1, Pair);
    random.pushUniform(1, 20); // e
    random.pushUniform(1, 2);  // r1
    random.pushUniform(1, 1);  // r2
    random.pushUniform(1, 2);  // r3 equal to r1: drawn again
    random.pushUniform(1, 3);
    const auto move = ComputerMove(sheet, Pair, 5, 5, random);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(move.combination, Pair);
    EXPECT_EQ(move.value, 2 * (2 + 3) + 10); // strength 20, on the bonus combination
    EXPECT_EQ(move.colour, CellColour::White);
    EXPECT_EQ(sheet[Pair], 20);
    EXPECT_EQ(sheet[kTotalCell], 20);
}

TEST(ComputerMove, FaceRowStrikeIsRedrawnWhileOtherRowsAreOpen)
{
    ScoreSheet sheet{};
    ScriptedRandom random;
    // A weak draw on "2:" is thrown away while "Пара:" .. "Бол.Стрит:" are open...
    for (int v : {int(Twos), 5, 1, 1, 2})
        random.pushUniform(1, v);
    // ...and the move starts again: "Бол.Сумма:" with strength 40.
    for (int v : {int(HighSum), 40, 1, 1, 2})
        random.pushUniform(1, v);
    const auto move = ComputerMove(sheet, 25, 5, 5, random);
    EXPECT_EQ(move.combination, HighSum);
    EXPECT_EQ(move.value, 30);
    EXPECT_EQ(sheet[Twos], 0);
}

TEST(ComputerMove, LastFaceRowIsStruckAtOnce)
{
    ScoreSheet sheet{};
    for (int c = 1; c <= kCombinations; ++c)
        sheet[c] = c == Sixes ? 0 : 5;
    sheet[kTotalCell] = 75;
    ScriptedRandom random;
    for (int v : {int(Sixes), 12, 1, 1, 2})
        random.pushUniform(1, v);
    const auto move = ComputerMove(sheet, Sixes, 5, 5, random);
    EXPECT_EQ(move.value, -50);
    EXPECT_EQ(move.colour, CellColour::Yellow);
    EXPECT_EQ(sheet[kTotalCell], 25);
}

TEST(ComputerMoveText, RussianEndings)
{
    const Str17 latvia = Str17::fromText("Латвия");
    const Str17 brazil = Str17::fromText("Бразилия");
    const Str17 egypt = Str17::fromText("Египет");
    EXPECT_EQ(ComputerMoveText(latvia, 21), "Латвия получила 21 очко.");
    EXPECT_EQ(ComputerMoveText(egypt, 21), "Египет получил  21 очко.");
    EXPECT_EQ(ComputerMoveText(brazil, 22), "Бразилия получила 22 очка.");
    EXPECT_EQ(ComputerMoveText(egypt, 12), "Египет получил  12 очков.");
    EXPECT_EQ(ComputerMoveText(egypt, -10), "Египет получил  -10 очков.");
    EXPECT_EQ(ComputerMoveText(egypt, 4), "Египет получил  4 очка.");
    EXPECT_EQ(ComputerMoveText(egypt, 30), "Египет получил  30 очков.");
    EXPECT_EQ(ComputerMoveText(Str17::fromText("Русь"), 33), "Русь получила 33 очка.");
}

TEST(ComputerMoveText, EndingAgreesWithTheNumberForEveryValueAMoveCanTake)
{
    const std::map<std::string, std::vector<int32_t>> table{
        {"очко", {21, 31, 1, 101, -1, -21}},
        {"очка", {2, 3, 4, 22, 23, 24, 32, 33, 34, 102, -2, -34}},
        {"очков", {-50, -40, -20, -10, 5,  6,  7,  8,  9,  10,  11,  12,  13,  14,  15,   16,
                   17,  18,  19,  20,  25, 26, 27, 28, 29, 30,  35,  36,  37,  38,  39,   40,
                   50,  60,  70,  80,  90, 0,  11, 12, 14, 111, 112, 114, -11, -12, 1000, -100}}};
    std::set<int32_t> inTable;
    for (const auto &[ending, values] : table)
        for (int32_t v : values) {
            inTable.insert(v);
            EXPECT_EQ(ComputerMoveText(Str17::fromText("Египет"), v),
                      "Египет получил  " + std::to_string(v) + " " + ending + ".");
        }
    // Every value a move can write, a struck face row included, before and after the bonus.
    for (int b = 1; b <= kCombinations; ++b)
        for (int o = 1; o <= 52; ++o)
            for (int r = 0; r < 27; ++r) {
                const int32_t v = ComputerValue(b, o, r / 9 + 1, r / 3 % 3 + 1, r % 3 + 1);
                const int32_t written = v == 0 ? -40 : v;
                for (int32_t value : {written, written + (written > 0 ? 10 : -10)})
                    EXPECT_EQ(inTable.count(value), 1u) << value << " is missing from the table";
            }
}
