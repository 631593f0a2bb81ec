#include "coach/gamejudge.h"

#include "coach/coach.h"
#include "competition/championshipround.h"
#include "competition/tournamentround.h"
#include "data/verdictbook.h"

#include "tests/core/roundfixture.h"
#include "tests/support/pressingwindow.h"
#include "tests/support/solvedtable.h"

#include <cmath>
#include <stdexcept>

using namespace roundtest;

namespace
{

// The last turn with only "6:" open (no bonus): c sixes score 6c from three on, else -40.
TurnMoment lastTurn(int throwNumber, std::vector<uint8_t> kept, std::vector<uint8_t> thrown)
{
    return {{10, 10, 10, 10, 10, 0, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 150},
            25,
            throwNumber,
            std::move(kept),
            std::move(thrown)};
}

// Keeping every six and throwing the rest is best here: with k sixes kept and n dice free for
// r throws, the count ends as k + Binomial(n, 1 - (5/6)^r).
double sixesExpected(int k, int n, int r)
{
    const double p = 1 - std::pow(5.0 / 6.0, r);
    double sum = 0;
    for (int b = 0; b <= n; ++b)
        sum += std::tgamma(n + 1) / std::tgamma(b + 1) / std::tgamma(n - b + 1) * std::pow(p, b) *
               std::pow(1 - p, n - b) * (k + b >= 3 ? 6.0 * (k + b) : -40.0);
    return sum;
}

// The coach with his table ready, shared by the rounds that are judged.
SolverInterface *readyCoach()
{
    static Coach coach(SolvedTable());
    return &coach;
}

} // namespace

TEST(GameJudgeTest, EndgameVerdictAgreesWithAHandCount)
{
    ChoiceLog log;
    // Seat 2 keeps a useless 2 with its sixes, then throws a third six back; seat 1 plays well:
    // only seat 2's choices are held against seat 2.
    log.keepChosen(2, 16, lastTurn(1, {}, {6, 2, 6, 3, 4}), {6, 2, 6});
    log.keepChosen(1, 16, lastTurn(1, {}, {6, 2, 6, 3, 4}), {6, 6});
    log.keepChosen(2, 16, lastTurn(2, {2, 6, 6}, {6, 5}), {});
    log.writeChosen(2, 16, lastTurn(3, {2, 6, 6}, {6, 6}), Sixes);

    Coach coach(SolvedTable());
    const TJudgedGame verdict = JudgeGame(coach, log, 2, 174, 46001.0);
    const double first = sixesExpected(2, 3, 2) - sixesExpected(2, 2, 2);
    const double second = 19 - sixesExpected(2, 2, 1); // one die for a fourth six, or two
    EXPECT_NEAR(second, 19 + 796.0 / 36, 1e-9);
    EXPECT_EQ(verdict.Date, 46001.0);
    EXPECT_EQ(verdict.Total, 174);
    EXPECT_EQ(verdict.BestTotal, SolvedTable().value(CoachTable::kFreshSheet));
    EXPECT_NEAR(verdict.GivenAway, first + second, 1e-9);
    const auto &worst = verdict.Costliest;
    EXPECT_EQ(std::vector<int>({worst[1].Turn, worst[1].Throw, worst[2].Throw, worst[3].Turn}),
              std::vector<int>({16, 2, 1, 0}));
    EXPECT_NEAR(worst[1].Cost, second, 1e-9);
    EXPECT_NEAR(worst[2].Cost, first, 1e-9);
    const OneBased<uint8_t, 5> kept266{2, 6, 6}, kept2666{2, 6, 6, 6}, kept66{6, 6};
    EXPECT_TRUE(worst[1].Chosen.Dice == kept266 && worst[1].Best.Dice == kept2666);
    EXPECT_TRUE(worst[2].Chosen.Dice == kept266 && worst[2].Best.Dice == kept66);
    EXPECT_EQ(worst[1].Best.Kind, kKeptChoice);
    EXPECT_NEAR(JudgeGame(coach, log, 1, 174, 46001.0).GivenAway, 0, 1e-9);
}

namespace
{

// A folder of its own where member "Аня" (of two) plays a tournament round with a computer.
struct PlayedRound : RoundTest {
    PlayedRound()
    {
        addClubMember("Аня", "a1");
        addClubMember("Борис", "b2");
        makeSlot(1, false, 2, 1);
        view.games = {{187, 201}};
    }
    void TestBody() override {}
    // Unjudged without makeReady.
    bool play(const GameJudge::MakeReady &makeReady)
    {
        GameJudge judge({*data, files, clock, makeReady});
        services.judge = makeReady ? &judge : nullptr;
        return PlayTournamentRound(services).counted;
    }
    const TVerdictEntry *verdicts(const char *name) const
    {
        return VerdictsOf(*data, Str17::fromText(name));
    }
    using RoundTest::allFiles;
    using RoundTest::clock;
    using RoundTest::data;
    using RoundTest::files;
    using RoundTest::folder;
    using RoundTest::makeSlot;
    using RoundTest::services;
    using RoundTest::slotSaved;
    using RoundTest::view;
};

} // namespace

TEST(GameJudgeTest, RoundIsJudgedAfterItsBookingWhichStaysByteForByte)
{
    PlayedRound unjudged, judged, stopped;
    EXPECT_TRUE(unjudged.play(nullptr));
    EXPECT_TRUE(judged.play([] { return readyCoach(); }));
    EXPECT_TRUE(stopped.play([]() -> SolverInterface * { return nullptr; })); // he was stopped
    EXPECT_EQ(judged.allFiles(), unjudged.allFiles());
    EXPECT_EQ(stopped.allFiles(), unjudged.allFiles());
    EXPECT_EQ(stopped.folder.read(kVerdictsFile), unjudged.folder.read(kVerdictsFile));
    EXPECT_EQ(stopped.verdicts("Аня"), nullptr);
    EXPECT_EQ(judged.verdicts("Борис"), nullptr) << "he did not play";
    ASSERT_NE(judged.verdicts("Аня"), nullptr);
    EXPECT_EQ(judged.verdicts("Аня")->Count, 1);
    EXPECT_EQ(judged.verdicts("Аня")->Games[1].Total, 187);
    EXPECT_EQ(judged.verdicts("Аня")->Games[1].Date, FixedClock::kToday);
    EXPECT_NE(judged.folder.read(kVerdictsFile), unjudged.folder.read(kVerdictsFile));
}

TEST(GameJudgeTest, JudgingThatDiesLosesNeitherTheRoundsCountNorItsSave)
{
    // The judge is killed as it starts: the round must be counted and saved by then.
    int savedRounds = 0;
    const auto dying = [&](PlayedRound &round, int slot) {
        return [&round, &savedRounds, slot]() -> SolverInterface * {
            const TSaveSlot &s = round.data->Slots[slot];
            savedRounds = round.slotSaved(slot) ? s.Tur.RoundsPlayed + s.Cham.RoundsPlayed : 0;
            throw std::runtime_error("killed while judging");
        };
    };
    PlayedRound unjudged, tournament, championship;
    EXPECT_TRUE(unjudged.play(nullptr));
    EXPECT_THROW(tournament.play(dying(tournament, 1)), std::runtime_error);
    EXPECT_EQ(savedRounds, 1);
    EXPECT_EQ(tournament.allFiles(), unjudged.allFiles());
    EXPECT_EQ(tournament.folder.read(kVerdictsFile), unjudged.folder.read(kVerdictsFile));

    championship.makeSlot(2, true, 12, 1);
    championship.view.games = {{150, 160, 170, 180}};
    GameJudge judge(
        {*championship.data, championship.files, championship.clock, dying(championship, 2)});
    championship.services.judge = &judge;
    PressingWindow window;
    savedRounds = 0;
    EXPECT_THROW(PlayChampionshipRound(championship.services, window, false), std::runtime_error);
    EXPECT_EQ(savedRounds, 1);
}
