#include "game/gameview.h"
#include "results/awardcount.h"
#include "results/prizes.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// A finished competition whose participants average exactly what cancels their result term:
// 185 for club members, 185 + 10 × (D − 6) for computers. Balls are left at 0.
TSaveSlot neutralSlot(bool championship, int participants, int humans, int rounds, int difficulty)
{
    TSaveSlot slot{};
    slot.IsCham = championship;
    slot.Title = Str21::fromText("Кубок");
    for (int k = 1; k <= participants; ++k) {
        const auto at = std::size_t(k);
        slot.Names[at] = Str17::fromText("Игрок" + std::to_string(k));
        const int32_t points = (k <= humans ? 185 : 185 + 10 * (difficulty - 6)) * rounds;
        if (championship)
            slot.Cham.Points[at] = points;
        else
            slot.Tur.TurTotal[at] = points;
    }
    if (championship) {
        slot.Cham.ParticipantCount = uint8_t(participants);
        slot.Cham.HumanCount = uint8_t(humans);
        slot.Cham.RoundsTotal = slot.Cham.RoundsPlayed = uint8_t(rounds);
        slot.Cham.Difficulty = uint8_t(difficulty);
    } else {
        slot.Tur.ParticipantCount = uint8_t(participants);
        slot.Tur.HumanCount = uint8_t(humans);
        slot.Tur.RoundsTotal = slot.Tur.RoundsPlayed = uint8_t(rounds);
        slot.Tur.Difficulty = uint8_t(difficulty);
    }
    return slot;
}

// Championship balls that sit exactly on the average of the largest group, 3.7 a round.
void averageBalls(TSaveSlot &slot)
{
    for (int k = 1; k <= slot.Cham.ParticipantCount; ++k)
        slot.Cham.Balls[std::size_t(k)] = 37 * slot.Cham.RoundsTotal / 10;
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

    TSaveSlot championship = neutralSlot(true, 30, 10, 20, 5);
    averageBalls(championship);
    EXPECT_DOUBLE_EQ(PrizeFor(championship, 1, 1), 50.0);
    EXPECT_NEAR(PrizeFor(championship, 1, 30), -13.56, 0.005);

    // The smallest competitions of each kind, at both ends of the places.
    const TSaveSlot pair = neutralSlot(false, 2, 0, 20, 5);
    EXPECT_DOUBLE_EQ(PrizeFor(pair, 1, 1), 10.0);
    EXPECT_DOUBLE_EQ(PrizeFor(pair, 2, 2), -10.0);
    TSaveSlot twelve = neutralSlot(true, 12, 0, 20, 6);
    for (int k = 1; k <= 12; ++k)
        twelve.Cham.Balls[std::size_t(k)] = 35; // 1.75 a round, the average of a group of 4
    EXPECT_NEAR(PrizeFor(twelve, 1, 1), 23.33, 0.005);
    EXPECT_NEAR(PrizeFor(twelve, 1, 12), -14.52, 0.005);
}

TEST(PrizeFor, DifficultyBonusIsForClubMembersOnly)
{
    const double base = PrizeFor(neutralSlot(false, 10, 5, 20, 5), 1, 1);
    // Member 1 averages 185 at every difficulty; the computers' handicap cancels theirs.
    EXPECT_DOUBLE_EQ(PrizeFor(neutralSlot(false, 10, 5, 20, 1), 1, 1) - base, -28.0);
    EXPECT_DOUBLE_EQ(PrizeFor(neutralSlot(false, 10, 5, 20, 10), 1, 1) - base, 35.0);
    EXPECT_NEAR(PrizeFor(neutralSlot(false, 10, 5, 20, 1), 6, 1), base, 1e-9);
    EXPECT_NEAR(PrizeFor(neutralSlot(false, 10, 5, 20, 10), 6, 1), base, 1e-9);
}

TEST(PrizeFor, LengthTermTruncatesEveryRoundCount)
{
    const double base = PrizeFor(neutralSlot(false, 10, 5, 20, 5), 1, 1);
    const int rounds[] = {10, 15, 20, 25, 30};
    const double terms[] = {-8, -4, 0, 4, 8};
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(PrizeFor(neutralSlot(false, 10, 5, rounds[i], 5), 1, 1) - base, terms[i], 1e-9)
            << "member, " << rounds[i] << " rounds";
        EXPECT_NEAR(PrizeFor(neutralSlot(false, 10, 5, rounds[i], 5), 7, 1) - base, terms[i], 1e-9)
            << "computer, " << rounds[i] << " rounds";
    }
}

TEST(PrizeFor, ResultTermFromTheRealAverage)
{
    TSaveSlot slot = neutralSlot(false, 10, 5, 20, 8);
    const double base = PrizeFor(slot, 1, 1) - 21; // a member's bonus at difficulty 8
    slot.Tur.TurTotal[1] = 204 * 20;
    EXPECT_NEAR(PrizeFor(slot, 1, 1) - 21 - base, 10.0, 1e-9);
    slot.Tur.TurTotal[1] = 166 * 20;
    EXPECT_NEAR(PrizeFor(slot, 1, 1) - 21 - base, -10.0, 1e-9);
    // 185.05 points a round: the average is not cut to a whole number.
    slot.Tur.TurTotal[1] = 3701;
    EXPECT_NEAR(PrizeFor(slot, 1, 1) - 21 - base, 0.05 * 10 / 19, 1e-9);
    // A computer at difficulty 8 is measured against 205.
    slot.Tur.TurTotal[6] = 224 * 20;
    EXPECT_NEAR(PrizeFor(slot, 6, 1) - base, 10.0, 1e-9);
    slot.Tur.TurTotal[6] = 185 * 20;
    EXPECT_NEAR(PrizeFor(slot, 6, 1) - base, -200.0 / 19, 1e-9);
}

TEST(PrizeFor, BallsTermAgainstEveryGroupSizesAverage)
{
    const int rowSums[] = {7, 11, 16, 19, 25, 30, 37};
    for (int g = 4; g <= 10; ++g) {
        TSaveSlot slot = neutralSlot(true, 3 * g, 0, 20, 6);
        slot.Cham.Balls[2] = 20; // one ball a round
        const double average = double(rowSums[g - 4]) / g;
        // Participant 1 has no balls at all: the base at place 4 and 5 × (0 − Bavg) / Bavg.
        const double withoutBalls = PrizeFor(slot, 1, 4);
        EXPECT_NEAR(withoutBalls, 3 * g / (4 + 0.5 * (g - 4) + 3.5) * 20 - 30 - 5, 1e-9)
            << "group of " << g;
        EXPECT_NEAR(PrizeFor(slot, 2, 4) - withoutBalls, 5 / average, 1e-9) << "group of " << g;
    }
}

TEST(PrizeFor, ZeroPrizeFromBalancedTerms)
{
    // 15 participants, place 6: 15 / (6 + 0.5 + 3.5) × 20 − 30 = 0; balls on the average 2.2.
    TSaveSlot slot = neutralSlot(true, 15, 0, 20, 6);
    slot.Cham.Balls[1] = 44;
    EXPECT_EQ(PrizeFor(slot, 1, 6), 0.0);
}

TEST(AwardCount, ThreeDotsWithTheWaitingSoundThenThePrize)
{
    AwardCount count(56.234);
    EXPECT_EQ(count.valueText(), "");
    const char *texts[] = {".", "..", "..."};
    for (const char *text : texts) {
        EXPECT_FALSE(count.finished());
        EXPECT_EQ(count.tick(), WaitPrizeSound);
        EXPECT_EQ(count.valueText(), text);
    }
    EXPECT_EQ(count.tick(), GoodPrizeSound);
    EXPECT_EQ(count.valueText(), "...+56.23");
    EXPECT_TRUE(count.finished());
    // The timer is stopped by then; a late tick changes nothing.
    EXPECT_EQ(count.tick(), 0);
    EXPECT_EQ(count.valueText(), "...+56.23");
}

TEST(AwardCount, ZeroAndNegativePrizesGetTheBadSoundAndNoPlus)
{
    struct Case {
        double prize;
        const char *text;
        int sound;
    };
    const Case cases[] = {{0.0, "...0.00", BadPrizeSound},
                          {-3.1, "...-3.10", BadPrizeSound},
                          {-13.054, "...-13.05", BadPrizeSound},
                          {0.001, "...+0.00", GoodPrizeSound},
                          {123.456, "...+123.46", GoodPrizeSound}};
    for (const Case &c : cases) {
        AwardCount count(c.prize);
        int last = 0;
        for (int t = 0; t < AwardCount::kTicks; ++t)
            last = count.tick();
        EXPECT_EQ(count.valueText(), c.text);
        EXPECT_EQ(last, c.sound) << c.text;
    }
}

TEST(AwardCount, PlaceLine)
{
    EXPECT_EQ(AwardCount::placeText("Россия", 3), "За 3-е место Россия получает");
    EXPECT_EQ(AwardCount::placeText("Новая Зеландия", 30), "За 30-е место Новая Зеландия получает");
}
