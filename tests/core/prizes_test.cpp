#include "game/gameview.h"
#include "results/awardcount.h"
#include "results/prizes.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// A finished competition whose participants average exactly what cancels their result term:
// 185 for club members, 185 + 10 × (D − 6) for computers.
TSaveSlot neutralSlot(bool cham, int participants, int humans, int rounds, int difficulty,
                      int32_t balls = 0)
{
    TSaveSlot slot{};
    slot.IsCham = cham;
    for (int k = 1; k <= participants; ++k) {
        const auto at = std::size_t(k);
        slot.Names[at] = Str17::fromText("Игрок" + std::to_string(k));
        const int32_t points = (k <= humans ? 185 : 185 + 10 * (difficulty - 6)) * rounds;
        (cham ? slot.Cham.Points[at] : slot.Tur.TurTotal[at]) = points;
        if (cham)
            slot.Cham.Balls[at] = balls;
    }
    const auto fill = [&](auto &fields) {
        fields.ParticipantCount = uint8_t(participants);
        fields.HumanCount = uint8_t(humans);
        fields.RoundsTotal = fields.RoundsPlayed = uint8_t(rounds);
        fields.Difficulty = uint8_t(difficulty);
    };
    cham ? fill(slot.Cham) : fill(slot.Tur);
    return slot;
}

// What participant gains at place 1 of 10 (members 1..5) over the same at difficulty 5, 20 rounds.
double gain(int rounds, int difficulty, int participant)
{
    return PrizeFor(neutralSlot(false, 10, 5, rounds, difficulty), participant, 1) -
           PrizeFor(neutralSlot(false, 10, 5, 20, 5), participant, 1);
}

} // namespace

TEST(PrizeFor, BaseTermsByPlace)
{
    // A club member at difficulty 5 over 20 rounds averaging 185: only the base remains.
    const TSaveSlot tournament = neutralSlot(false, 10, 10, 20, 5);
    EXPECT_NEAR(PrizeFor(tournament, 1, 1), 22.63, 0.005);
    EXPECT_NEAR(PrizeFor(tournament, 1, 9), -13.05, 0.005);
    for (int place = 1; place <= 10; ++place)
        EXPECT_DOUBLE_EQ(PrizeFor(tournament, 3, place), 10 / (place + 2.8) * 20 - 30) << place;

    // Championship balls on the average of the largest group, 3.7 a round.
    const TSaveSlot championship = neutralSlot(true, 30, 10, 20, 5, 74);
    EXPECT_DOUBLE_EQ(PrizeFor(championship, 1, 1), 50.0);
    EXPECT_NEAR(PrizeFor(championship, 1, 30), -13.56, 0.005);

    // The smallest competitions of each kind, at both ends of the places.
    const TSaveSlot pair = neutralSlot(false, 2, 0, 20, 5);
    EXPECT_DOUBLE_EQ(PrizeFor(pair, 1, 1), 10.0);
    EXPECT_DOUBLE_EQ(PrizeFor(pair, 2, 2), -10.0);
    const TSaveSlot twelve = neutralSlot(true, 12, 0, 20, 6, 35); // a group of 4 averages 1.75
    EXPECT_NEAR(PrizeFor(twelve, 1, 1), 23.33, 0.005);
    EXPECT_NEAR(PrizeFor(twelve, 1, 12), -14.52, 0.005);
}

TEST(PrizeFor, DifficultyBonusForMembersOnlyAndLengthTermByRounds)
{
    // The computers' handicap cancels their difficulty.
    EXPECT_DOUBLE_EQ(gain(20, 1, 1), -28.0);
    EXPECT_DOUBLE_EQ(gain(20, 10, 1), 35.0);
    EXPECT_NEAR(gain(20, 1, 6), 0, 1e-9);
    EXPECT_NEAR(gain(20, 10, 6), 0, 1e-9);
    const int rounds[] = {10, 15, 20, 25, 30};
    const double terms[] = {-8, -4, 0, 4, 8};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(rounds[i]);
        EXPECT_NEAR(gain(rounds[i], 5, 1), terms[i], 1e-9);
        EXPECT_NEAR(gain(rounds[i], 5, 7), terms[i], 1e-9);
    }
}

TEST(PrizeFor, ResultTermFromTheRealAverage)
{
    // At difficulty 8 a member's bonus is 21 and a computer is measured against 205.
    const TSaveSlot neutral = neutralSlot(false, 10, 5, 20, 8);
    const double base = PrizeFor(neutral, 6, 1);
    struct Row {
        int participant;
        int32_t total;
        double term;
    };
    const Row rows[] = {{1, 204 * 20, 10.0},
                        {1, 166 * 20, -10.0},
                        {1, 3701, 0.05 * 10 / 19}, // the average is not cut to a whole number
                        {6, 224 * 20, 10.0},
                        {6, 185 * 20, -200.0 / 19}};
    for (const Row &row : rows) {
        TSaveSlot slot = neutral;
        slot.Tur.TurTotal[std::size_t(row.participant)] = row.total;
        const double bonus = row.participant == 1 ? 21 : 0;
        EXPECT_NEAR(PrizeFor(slot, row.participant, 1) - bonus - base, row.term, 1e-9)
            << row.participant << " " << row.total;
    }
}

TEST(PrizeFor, BallsTermAgainstEveryGroupSizesAverage)
{
    const int rowSums[] = {7, 11, 16, 19, 25, 30, 37};
    for (int g = 4; g <= 10; ++g) {
        SCOPED_TRACE(g);
        TSaveSlot slot = neutralSlot(true, 3 * g, 0, 20, 6);
        slot.Cham.Balls[2] = 20; // one ball a round
        // Participant 1 has no balls: the base at place 4 and 5 × (0 − Bavg) / Bavg.
        const double withoutBalls = PrizeFor(slot, 1, 4);
        EXPECT_NEAR(withoutBalls, 3 * g / (4 + 0.5 * (g - 4) + 3.5) * 20 - 30 - 5, 1e-9);
        EXPECT_NEAR(PrizeFor(slot, 2, 4) - withoutBalls, 5 * g / double(rowSums[g - 4]), 1e-9);
    }
    // 15 participants, place 6: 15 / (6 + 0.5 + 3.5) × 20 − 30 = 0; balls on the average 2.2.
    TSaveSlot slot = neutralSlot(true, 15, 0, 20, 6);
    slot.Cham.Balls[1] = 44;
    EXPECT_EQ(PrizeFor(slot, 1, 6), 0.0);
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
