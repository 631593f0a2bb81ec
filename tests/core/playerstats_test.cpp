#include "results/playerstats.h"

#include "tests/support/ratingsupport.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{

class PlayerStatsTest : public ::testing::Test
{
protected:
    PlayerStatsTest() { ResetRatingWithMembers(data, {"Вася", "Петя"}); }

    // One more judged game in the verdicts of slot.
    void judge(std::size_t slot, const char *name, int32_t total, double best, double givenAway)
    {
        TVerdictEntry &entry = data.Verdicts[slot];
        entry.Name = Str17::fromText(name);
        entry.Games[++entry.Count] = {0, total, {}, best, givenAway, {}};
    }

    SharedData data;
};

} // namespace

TEST_F(PlayerStatsTest, ThreeGamesOfAJudgedMember)
{
    TRatingEntry &vasya = data.Rating[31];
    vasya.Games = 3;
    vasya.TotalScore = 590;
    vasya.Last50[1] = 200;
    vasya.Last50[2] = 139;
    vasya.Last50[3] = 241;
    // Another member's verdicts come first: Вася's are found by name.
    judge(1, "Петя", 300, 240.5, 99);
    judge(2, "Вася", 210, 240.5, 12.5); // luck 210 - 228 = -18
    judge(2, "Вася", 250, 240.5, 4.1);  // luck 250 - 236.4 = 13.6

    const PlayerStats stats = StatsOf(data, 31, 245.87);
    // 200 itself is not above 200.
    EXPECT_THAT(FigureLines(stats),
                ElementsAre("Игр сыграно: 3", "Средний результат: 196,7",
                            "Лучшая из последних 3: 241", "Худшая из последних 3: 139",
                            "Больше 200 очков: 33,3%", "Игр разобрал тренер: 2",
                            "Отдано очков: 8,3 за игру", "Везение: -2,2 очка за игру"));
    EXPECT_EQ(FormDescription(stats),
              "Очки последних 3 игр, от давних к последней: 200, 139, 241. Среднее за 10 игр к "
              "последней игре: 193,3. Среднее за все игры: 196,7. Лучшая игра по тренеру дает в "
              "среднем 245,9.");
    EXPECT_EQ(SpreadDescription(stats),
              "Игры по очкам, шагом 20: от 120 до 139 - 1; от 140 до 159 - 0; от 160 до 179 - 0; "
              "от 180 до 199 - 0; от 200 до 219 - 1; от 220 до 239 - 0; от 240 до 259 - 1.");
    EXPECT_EQ(GivenAwayDescription(stats),
              "Отдано очков в последних 2 разобранных играх: 12,5; 4,1. В среднем 8,3 за игру; "
              "везение в среднем -2,2 очка за игру.");

    // Without the coach there is no best-play line, and lucky games read with a plus.
    data.Verdicts[2].Games[1].Total = 250;
    const PlayerStats lucky = StatsOf(data, 31, std::nullopt);
    EXPECT_EQ(FormDescription(lucky).find("тренер"), std::string::npos);
    EXPECT_EQ(FigureLines(lucky).back(), "Везение: +17,8 очка за игру");

    // The last judged game's costliest decisions in words; one a hand-edited file spoiled is
    // left out.
    auto &costliest = data.Verdicts[2].Games[2].Costliest;
    costliest[1] = {3,
                    2,
                    {},
                    4.2,
                    {kKeptChoice, 0, {{3, 3, 5}}, {}},
                    {kWrittenChoice, 2, {{2, 2, 2, 5, 6}}, {}}};
    costliest[2] = {
        16, 2, {}, 1.5, {kWrittenChoice, 6, {{1, 3, 4, 5, 6}}, {}}, {kKeptChoice, 0, {}, {}}};
    costliest[3] = {
        5, 1, {}, 0.5, {kWrittenChoice, 40, {{1, 1, 1, 1, 1}}, {}}, {kKeptChoice, 0, {}, {}}};
    const auto lines = FigureLines(StatsOf(data, 31, std::nullopt));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_THAT(std::vector(lines.end() - 3, lines.end()),
                ElementsAre("Самые дорогие решения последней разобранной игры:",
                            "Ход 3, бросок 2: «Оставьте 3 3 5 и бросайте», лучше «Запишите в "
                            "«2:»», потеряно 4,2",
                            "Ход 16, бросок 2: «Спишите «6:»», лучше «Бросайте все кости "
                            "заново», потеряно 1,5"));
}

TEST_F(PlayerStatsTest, FiftyKeptScoresOldestFirst)
{
    TRatingEntry &computer = data.Rating[5];
    computer.Games = 50;
    computer.TotalScore = 8825;
    for (std::size_t i = 1; i <= 50; ++i)
        computer.Last50[i] = int32_t(100 + 3 * i); // 103 .. 250
    // A member's verdicts never reach a computer player.
    judge(1, "Вася", 200, 240.5, 5);

    PlayerStats stats = StatsOf(data, 5, std::nullopt);
    ASSERT_EQ(stats.form.size(), 50u);
    EXPECT_EQ(stats.form.front(), 103);
    EXPECT_EQ(stats.form.back(), 250);
    ASSERT_EQ(stats.movingAverage.size(), 50u);
    EXPECT_DOUBLE_EQ(stats.movingAverage[0], 103);
    EXPECT_DOUBLE_EQ(stats.movingAverage[8], 115);    // games 1..9
    EXPECT_DOUBLE_EQ(stats.movingAverage[9], 116.5);  // games 1..10
    EXPECT_DOUBLE_EQ(stats.movingAverage[10], 119.5); // games 2..11
    EXPECT_DOUBLE_EQ(stats.movingAverage[49], 236.5); // games 41..50
    EXPECT_THAT(stats.spread, ElementsAre(ScoreBin{100, 6}, ScoreBin{120, 7}, ScoreBin{140, 6},
                                          ScoreBin{160, 7}, ScoreBin{180, 7}, ScoreBin{200, 6},
                                          ScoreBin{220, 7}, ScoreBin{240, 4}));
    EXPECT_THAT(stats.givenAway, IsEmpty());
    EXPECT_THAT(FigureLines(stats),
                ElementsAre("Игр сыграно: 50", "Средний результат: 176,5",
                            "Лучшая из последних 50: 250", "Худшая из последних 50: 103",
                            "Больше 200 очков: 34,0%"));

    // Ten games later the fifty kept are the newest, and the average is over all sixty.
    computer.Games = 60;
    computer.TotalScore = 12000;
    stats = StatsOf(data, 5, std::nullopt);
    EXPECT_EQ(stats.form.size(), 50u);
    EXPECT_EQ(stats.form.back(), 250);
    EXPECT_EQ(FigureLines(stats)[1], "Средний результат: 200,0");
}

TEST_F(PlayerStatsTest, NoGamesShowNothingButTheCount)
{
    // Left-overs in the scores of a player without games are not his.
    data.Rating[32].Last50[1] = 999;
    const PlayerStats stats = StatsOf(data, 32, 245.0);
    EXPECT_THAT(stats.form, IsEmpty());
    EXPECT_THAT(stats.movingAverage, IsEmpty());
    EXPECT_THAT(stats.spread, IsEmpty());
    EXPECT_THAT(FigureLines(stats), ElementsAre("Игр сыграно: 0"));
    EXPECT_EQ(FormDescription(stats), "Игр пока нет");
    EXPECT_EQ(SpreadDescription(stats), "Игр пока нет");
    EXPECT_EQ(GivenAwayDescription(stats), "Тренер еще не разбирал игр этого игрока");

    // A booked score below zero has its own bin below zero.
    TRatingEntry &computer = data.Rating[1];
    computer.Games = 2;
    computer.Last50[1] = -5;
    computer.Last50[2] = 0;
    EXPECT_THAT(StatsOf(data, 1, std::nullopt).spread,
                ElementsAre(ScoreBin{-20, 1}, ScoreBin{0, 1}));
}
