#include "game/scoring.h"

#include <gtest/gtest.h>

#include <map>

namespace
{

Hand hand(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e)
{
    return Hand{{a, b, c, d, e}};
}

// Values by combination number for one hand and throw.
void expectValues(const Hand &h, uint8_t throwNumber, const std::map<int, int32_t> &expected)
{
    for (const auto &[combination, value] : expected)
        EXPECT_EQ(CombCheck(h, throwNumber, combination), value) << "combination " << combination;
}

} // namespace

TEST(CombCheck, FiveSixesOnTheFirstThrow)
{
    expectValues(hand(6, 6, 6, 6, 6), 1,
                 {{6, 30},
                  {7, 12},
                  {8, 18},
                  {9, 24},
                  {10, 80},
                  {11, -10},
                  {12, -10},
                  {15, 5},
                  {16, 30},
                  {1, -40},
                  {13, -10},
                  {14, -10}});
}

TEST(CombCheck, FullHouseCountsForBothTwoGroupRows)
{
    expectValues(hand(3, 3, 3, 5, 5), 2,
                 {{3, 9}, {7, 10}, {8, 9}, {11, 16}, {12, 19}, {5, -40}, {9, -10}, {10, -10}});
    // Order of keeping plays no part.
    expectValues(hand(5, 3, 5, 3, 3), 2, {{11, 16}, {12, 19}});
}

TEST(CombCheck, TwoPairsAndFourOfAKind)
{
    expectValues(hand(2, 2, 5, 5, 6), 1, {{11, 14}, {7, 10}, {12, -10}, {8, -10}});
    expectValues(hand(4, 4, 4, 4, 1), 3,
                 {{9, 16}, {11, -10}, {12, -10}, {4, 16}, {1, -40}, {8, 12}});
}

TEST(CombCheck, PokerValueFollowsTheThrow)
{
    const Hand fives = hand(5, 5, 5, 5, 5);
    EXPECT_EQ(CombCheck(fives, 1, FiveOfAKind), 80);
    EXPECT_EQ(CombCheck(fives, 2, FiveOfAKind), 60);
    EXPECT_EQ(CombCheck(fives, 3, FiveOfAKind), 50);
    EXPECT_EQ(CombCheck(fives, 3, Fives), 25);
}

TEST(CombCheck, StraightsNeedTheirExactFaces)
{
    expectValues(hand(1, 2, 3, 4, 5), 3, {{13, 15}, {14, -10}, {15, 20}, {16, 15}, {7, -10}});
    expectValues(hand(5, 4, 3, 2, 1), 1, {{13, 30}});
    expectValues(hand(2, 3, 4, 5, 6), 2, {{14, 40}, {13, -10}});
    expectValues(hand(6, 5, 4, 3, 2), 3, {{14, 20}});
    // No single 2: neither straight.
    expectValues(hand(1, 3, 4, 5, 6), 1, {{13, -10}, {14, -10}});
}

TEST(CombCheck, FaceRowsNeedThreeDice)
{
    expectValues(hand(1, 1, 2, 2, 3), 1, {{1, -40}, {2, -40}, {7, 4}, {11, 6}});
    expectValues(hand(1, 1, 1, 2, 2), 1, {{1, 3}, {11, 6}, {12, 7}});
    expectValues(hand(2, 2, 2, 2, 2), 1, {{2, 10}, {11, -10}, {12, -10}, {15, 25}});
}

TEST(FillCell, BonusRuleAndTotal)
{
    ScoreSheet sheet{};
    CellColour colour;
    EXPECT_EQ(FillCell(sheet, Ones, -40, Ones, &colour), -50);
    EXPECT_EQ(colour, CellColour::Yellow);
    EXPECT_EQ(FillCell(sheet, FiveOfAKind, 60, FiveOfAKind, &colour), 70);
    EXPECT_EQ(colour, CellColour::White);
    EXPECT_EQ(FillCell(sheet, Pair, -10, 17, &colour), -10);
    EXPECT_EQ(colour, CellColour::Navy);
    EXPECT_EQ(FillCell(sheet, HighSum, 20, 25, &colour), 20);
    EXPECT_EQ(colour, CellColour::Green);
    EXPECT_EQ(sheet[Ones], -50);
    EXPECT_EQ(sheet[FiveOfAKind], 70);
    EXPECT_EQ(sheet[kTotalCell], -50 + 70 - 10 + 20);
}

TEST(FillCell, ValuesStayWithinTheSheetRange)
{
    // Every hand, throw and combination: no zero value, and within -100..100 after the bonus.
    for (int code = 0; code < 7776; ++code) {
        Hand h;
        int rest = code;
        for (auto &face : h) {
            face = uint8_t(rest % 6 + 1);
            rest /= 6;
        }
        for (uint8_t t = 1; t <= 3; ++t) {
            for (int c = 1; c <= kCombinations; ++c) {
                const int32_t v = CombCheck(h, t, c);
                ASSERT_NE(v, 0);
                ScoreSheet sheet{};
                const int32_t written = FillCell(sheet, c, v, c);
                ASSERT_GE(written, -50);
                ASSERT_LE(written, 90);
            }
        }
    }
}
