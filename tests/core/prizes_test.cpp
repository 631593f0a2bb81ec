#include "game/gameview.h"
#include "results/awardcount.h"
#include "results/prizes.h"

#include <gtest/gtest.h>

namespace
{

// Participant 1 of a finished competition, a club member or a computer, and its prize.
struct Example {
    bool cham;
    int participants;
    bool member;
    int rounds, difficulty;
    int32_t points, balls;
    int place;
    double prize; // worked out by hand, to three decimals
};

double prizeOf(const Example &e)
{
    TSaveSlot slot{};
    slot.IsCham = e.cham;
    const auto fill = [&](auto &fields) {
        fields.ParticipantCount = uint8_t(e.participants);
        fields.HumanCount = e.member ? 1 : 0;
        fields.RoundsTotal = fields.RoundsPlayed = uint8_t(e.rounds);
        fields.Difficulty = uint8_t(e.difficulty);
    };
    if (e.cham) {
        fill(slot.Cham);
        slot.Cham.Points[1] = e.points;
        slot.Cham.Balls[1] = e.balls;
    } else {
        fill(slot.Tur);
        slot.Tur.TurTotal[1] = e.points;
    }
    return PrizeFor(slot, 1, e.place);
}

} // namespace

// Terms: base by place, member's 7 × (D − 5), 4 × ((R − 20) div 5), the result
// (A − 185 − a computer's 10 × (D − 6)) × 10/19 with A = points / R, and a championship's
// 5 × (B − Bavg) / Bavg with B = balls / R. A = 185 at D 5 (member) or D 6 leaves the base.
TEST(PrizeFor, WorkedExamples)
{
    const Example examples[] = {
        // Tournament base N / (p + 0.35 × (N − 2)) × 20 − 30 at both ends of the places.
        {false, 10, true, 20, 5, 3700, 0, 1, 22.632},    // 200 / 3.8 − 30
        {false, 10, true, 20, 5, 3700, 0, 9, -13.051},   // 200 / 11.8 − 30
        {false, 10, false, 20, 6, 3700, 0, 10, -14.375}, // 200 / 12.8 − 30
        {false, 5, true, 20, 5, 3700, 0, 3, -5.309},     // 100 / 4.05 − 30
        {false, 2, false, 20, 6, 3700, 0, 1, 10},        // 40 / 1 − 30
        {false, 2, false, 20, 6, 3700, 0, 2, -10},       // 40 / 2 − 30
        // Championship base N / (p + 0.5 × ((N − 12) div 3) + 3.5) × 20 − 30, balls on average.
        {true, 30, false, 20, 6, 3700, 74, 1, 50},       // 600 / 7.5 − 30, B = 3.7
        {true, 30, false, 20, 6, 3700, 74, 30, -13.562}, // 600 / 36.5 − 30
        {true, 12, false, 20, 6, 3700, 35, 1, 23.333},   // 240 / 4.5 − 30, B = 1.75
        {true, 12, false, 20, 6, 3700, 35, 12, -14.516}, // 240 / 15.5 − 30
        // The difficulty bonus is the members'; the computers' handicap cancels theirs.
        {false, 10, true, 20, 1, 3700, 0, 1, -5.368},   // 22.632 − 28
        {false, 10, true, 20, 10, 3700, 0, 1, 57.632},  // 22.632 + 35
        {false, 10, false, 20, 10, 4500, 0, 1, 22.632}, // A − 185 − 40 = 0
        {false, 10, false, 20, 1, 2700, 0, 1, 22.632},  // A − 185 + 50 = 0
        // The length term, for members and computers alike.
        {false, 10, true, 10, 5, 1850, 0, 1, 14.632},  // 22.632 − 8
        {false, 10, true, 15, 5, 2775, 0, 1, 18.632},  // 22.632 − 4
        {false, 10, true, 25, 5, 4625, 0, 1, 26.632},  // 22.632 + 4
        {false, 10, true, 30, 5, 5550, 0, 1, 30.632},  // 22.632 + 8
        {false, 10, false, 10, 6, 1850, 0, 1, 14.632}, // 22.632 − 8
        // The result term, from the average as it is, not cut to a whole number.
        {false, 10, true, 20, 5, 4080, 0, 1, 32.632},  // 22.632 + 19 × 10/19
        {false, 10, true, 20, 5, 3320, 0, 1, 12.632},  // 22.632 − 19 × 10/19
        {false, 10, true, 20, 5, 3701, 0, 1, 22.658},  // 22.632 + 0.05 × 10/19
        {false, 10, false, 20, 8, 4480, 0, 1, 32.632}, // 22.632 + (224 − 185 − 20) × 10/19
        {false, 10, false, 20, 8, 3700, 0, 1, 12.105}, // 22.632 − 20 × 10/19
        // One ball a round at place 1 for every group size g = N / 3: 5 / Bavg − 5.
        {true, 12, false, 20, 6, 3700, 20, 1, 21.190}, // 23.333 + 5 × 4 / 7 − 5
        {true, 15, false, 20, 6, 3700, 20, 1, 27.273}, // 30 + 5 × 5 / 11 − 5
        {true, 18, false, 20, 6, 3700, 20, 1, 32.330}, // 35.455 + 5 × 6 / 16 − 5
        {true, 21, false, 20, 6, 3700, 20, 1, 36.842}, // 40 + 5 × 7 / 19 − 5
        {true, 24, false, 20, 6, 3700, 20, 1, 40.446}, // 43.846 + 5 × 8 / 25 − 5
        {true, 27, false, 20, 6, 3700, 20, 1, 43.643}, // 47.143 + 5 × 9 / 30 − 5
        {true, 30, false, 20, 6, 3700, 20, 1, 46.351}, // 50 + 5 × 10 / 37 − 5
        // Every term at once.
        {true, 15, true, 10, 7, 2000, 30, 2, 35.713},    // 20 + 14 − 8 + 150 / 19 + 4 / 2.2
        {true, 30, false, 25, 3, 4000, 100, 30, -6.525}, // −13.562 + 4 + 50 / 19 + 1.5 / 3.7
    };
    for (const Example &e : examples)
        EXPECT_NEAR(prizeOf(e), e.prize, 0.001)
            << (e.cham ? "championship " : "tournament ") << e.participants << " place " << e.place
            << " D " << e.difficulty << " R " << e.rounds << " points " << e.points;
    // 15 / 10 × 20 − 30 with balls on their average: exactly 0, which earns nothing.
    EXPECT_EQ(prizeOf({true, 15, false, 20, 6, 3700, 44, 6, 0}), 0.0);
}

TEST(AwardCount, ThreeDotsWithTheWaitingSoundThenThePrize)
{
    struct Row {
        double prize;
        const char *text;
        int sound;
    };
    const Row rows[] = {
        {56.234, "...+56.23", GoodPrizeSound}, {0.0, "...0.00", BadPrizeSound},
        {-3.1, "...-3.10", BadPrizeSound},     {-13.054, "...-13.05", BadPrizeSound},
        {0.001, "...+0.00", GoodPrizeSound},   {123.456, "...+123.46", GoodPrizeSound}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        AwardCount count(row.prize);
        EXPECT_EQ(count.valueText(), "");
        for (const char *dots : {".", "..", "..."}) {
            EXPECT_FALSE(count.finished());
            EXPECT_EQ(count.tick(), WaitPrizeSound);
            EXPECT_EQ(count.valueText(), dots);
        }
        EXPECT_EQ(count.tick(), row.sound);
        EXPECT_EQ(count.valueText(), row.text);
        EXPECT_TRUE(count.finished());
        EXPECT_EQ(count.tick(), 0); // a late tick changes nothing
        EXPECT_EQ(count.valueText(), row.text);
    }
}
