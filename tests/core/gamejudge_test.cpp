#include "game/gamejudge.h"

#include "competition/tournamentround.h"
#include "data/verdictbook.h"
#include "game/coach.h"
#include "game/coachtable.h"

#include "tests/core/roundfixture.h"
#include "tests/support/solvedtable.h"

#include <cmath>

using namespace roundtest;

namespace
{

TurnMoment lastTurn(int throwNumber, std::vector<uint8_t> kept, std::vector<uint8_t> thrown)
{
    TurnMoment moment;
    // Everything written but "6:", ten points a cell.
    for (int c = 1; c <= kCombinations; ++c)
        moment.sheet[c] = c == 6 ? 0 : 10;
    moment.sheet[kTotalCell] = 150;
    moment.bonus = 25; // no bonus combination
    moment.throwNumber = throwNumber;
    moment.kept = std::move(kept);
    moment.thrown = std::move(thrown);
    return moment;
}

// "6:" alone at the end: c sixes score 6c from three on, else -40.
double sixes(int count)
{
    return count >= 3 ? 6.0 * count : -40.0;
}

// Keeping every six and throwing the rest again is best play here, so with k sixes kept and n
// dice free for r more throws the count ends as k + Binomial(n, 1 - (5/6)^r).
double sixesExpected(int kept, int free, int throwsLeft)
{
    const double p = 1 - std::pow(5.0 / 6.0, throwsLeft);
    double sum = 0;
    for (int b = 0; b <= free; ++b) {
        const double ways =
            std::tgamma(free + 1) / (std::tgamma(b + 1) * std::tgamma(free - b + 1));
        sum += ways * std::pow(p, b) * std::pow(1 - p, free - b) * sixes(kept + b);
    }
    return sum;
}

TJudgedChoice kept(std::vector<uint8_t> dice)
{
    TJudgedChoice choice{};
    choice.Kind = kKeptChoice;
    std::copy(dice.begin(), dice.end(), choice.Dice.begin());
    return choice;
}

bool operator==(const TJudgedChoice &a, const TJudgedChoice &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST(GameJudgeTest, EndgameVerdictAgreesWithAHandCount)
{
    ChoiceLog log;
    // Seat 2 keeps a useless 2 with its sixes, then throws a third six back; seat 1 plays the
    // same dice as well as can be: only seat 2's choices are held against seat 2.
    log.keepChosen(2, 16, lastTurn(1, {}, {6, 2, 6, 3, 4}), {6, 2, 6});
    log.keepChosen(1, 16, lastTurn(1, {}, {6, 2, 6, 3, 4}), {6, 6});
    log.keepChosen(2, 16, lastTurn(2, {2, 6, 6}, {6, 5}), {});
    log.keepChosen(1, 16, lastTurn(2, {6, 6}, {6, 6, 5}), {6, 6});
    log.writeChosen(2, 16, lastTurn(3, {2, 6, 6}, {6, 6}), 6);
    log.writeChosen(1, 16, lastTurn(3, {6, 6, 6, 6, 5}, {}), 6);

    Coach coach(SolvedTable());
    const TJudgedGame verdict = JudgeGame(coach, log, 2, 174, 46001.0);
    const double firstLoss = sixesExpected(2, 3, 2) - sixesExpected(2, 2, 2);
    const double secondLoss = (18 + 1.0) - sixesExpected(2, 2, 1);
    EXPECT_NEAR(secondLoss, 19 + 796.0 / 36, 1e-9); // the hand count itself
    EXPECT_EQ(verdict.Date, 46001.0);
    EXPECT_EQ(verdict.Total, 174);
    EXPECT_EQ(verdict.BestTotal, SolvedTable().value(CoachTable::kFreshSheet));
    EXPECT_NEAR(verdict.GivenAway, firstLoss + secondLoss, 1e-9);

    const TJudgedMove &worst = verdict.Costliest[1];
    EXPECT_EQ(worst.Turn, 16);
    EXPECT_EQ(worst.Throw, 2);
    EXPECT_NEAR(worst.Cost, secondLoss, 1e-9);
    EXPECT_TRUE(worst.Chosen == kept({2, 6, 6}));
    EXPECT_TRUE(worst.Best == kept({2, 6, 6, 6}));
    const TJudgedMove &next = verdict.Costliest[2];
    EXPECT_EQ(next.Throw, 1);
    EXPECT_NEAR(next.Cost, firstLoss, 1e-9);
    EXPECT_TRUE(next.Chosen == kept({2, 6, 6}));
    EXPECT_TRUE(next.Best == kept({6, 6}));
    EXPECT_EQ(verdict.Costliest[3].Turn, 0) << "a write without a choice costs nothing";

    const TJudgedGame best = JudgeGame(coach, log, 1, 174, 46001.0);
    EXPECT_NEAR(best.GivenAway, 0, 1e-9);
    EXPECT_EQ(best.Costliest[1].Turn, 0);
}

namespace
{

// Plays a shown game to its end by plain choices: the first free die held after every throw,
// the first open combination that scores written (struck out when none does).
class PlayingView : public HiddenView
{
public:
    void runUntilOver() override
    {
        while (*running) {
            const int throws = game->throwCounter();
            if (throws == 0 || throws > 3) {
                game->go();
            } else if (game->keptCount() < 5) {
                game->toggleDie(game->keptCount() + 1);
                game->go();
            } else {
                writeSomething();
            }
        }
    }
    void writeSomething()
    {
        const auto &enabled = game->screen().writeEnabled;
        int chosen = 0;
        for (int c = kCombinations; c >= 1; --c) {
            if (enabled[c] && (chosen == 0 || game->CombCheck(c) >= 0))
                chosen = c;
        }
        if (chosen == 0)
            return game->go();
        if (game->CombCheck(chosen) < 0)
            boxes->answer(true);
        game->write(chosen);
    }
    DiceGame *game = nullptr;
    ScriptedBoxes *boxes = nullptr;
    bool *running = nullptr;
};

// A folder of its own where club member "Аня" plays a tournament round against two computers,
// her choices her own.
struct PlayedRound : RoundTest {
    PlayedRound()
    {
        addClubMember("Аня", "a1");
        addClubMember("Борис", "b2");
        makeSlot(1, false, 3, 1);
        player.game = &played;
        player.boxes = &boxes;
        player.running = &data->gameRunning;
    }
    void TestBody() override {}
    using RoundTest::allFiles;
    using RoundTest::boxes;
    using RoundTest::data;
    using RoundTest::folder;
    TournamentOutcome play(GameJudge *judge)
    {
        RoundServices round{*data, files, random, boxes, passwords, played, judge};
        return PlayTournamentRound(round);
    }
    GameJudge judge(bool ready)
    {
        return GameJudge({*data, files, clock, SolvedTable(), [ready] { return ready; }});
    }

    PlayingView player;
    DiceGame played{{*data, files, random, boxes, clock}, player};
};

} // namespace

TEST(GameJudgeTest, RoundIsJudgedAfterItsBookingWhichStaysByteForByte)
{
    PlayedRound unjudged, judged, stopped;
    EXPECT_TRUE(unjudged.play(nullptr).counted);
    GameJudge judge = judged.judge(true);
    EXPECT_TRUE(judged.play(&judge).counted);
    GameJudge unready = stopped.judge(false);
    EXPECT_TRUE(stopped.play(&unready).counted);

    EXPECT_EQ(judged.allFiles(), unjudged.allFiles());
    EXPECT_EQ(stopped.allFiles(), unjudged.allFiles());
    EXPECT_EQ(judged.folder.read(kVerdictsFile).size(), sizeof(SharedData::Verdicts));
    EXPECT_EQ(stopped.folder.read(kVerdictsFile), unjudged.folder.read(kVerdictsFile));
    EXPECT_EQ(VerdictsOf(*stopped.data, Str17::fromText("Аня")), nullptr);

    // One verdict for the member who played, on disk as in memory; none for the one who did not.
    const TVerdictEntry *anya = VerdictsOf(*judged.data, Str17::fromText("Аня"));
    ASSERT_NE(anya, nullptr);
    EXPECT_EQ(VerdictsOf(*judged.data, Str17::fromText("Борис")), nullptr);
    ASSERT_EQ(anya->Count, 1);
    const TJudgedGame &game = anya->Games[1];
    EXPECT_EQ(game.Total, judged.played.players[1].sheet[kTotalCell]);
    EXPECT_EQ(game.Date, FixedClock::kToday);
    EXPECT_GT(game.GivenAway, 1.0) << "holding the first die is rarely best";
    EXPECT_GE(game.Costliest[1].Cost, game.Costliest[2].Cost);
    EXPECT_GE(game.Costliest[2].Cost, game.Costliest[3].Cost);
    EXPECT_GT(game.Costliest[3].Cost, 0);
    const auto *memory = reinterpret_cast<const uint8_t *>(judged.data->Verdicts.begin());
    EXPECT_EQ(judged.folder.read(kVerdictsFile),
              std::vector<uint8_t>(memory, memory + sizeof judged.data->Verdicts));
}
