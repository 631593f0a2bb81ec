#include "bench/benchsupport.h"
#include "coach/coach.h"
#include "coach/coachdemo.h"
#include "coach/coachtable.h"
#include "coach/gamejudge.h"
#include "data/datafiles.h"
#include "game/computerplayer.h"
#include "game/dicegame.h"
#include "game/gameview.h"
#include "platform/clock.h"
#include "platform/messageboxes.h"
#include "platform/systemrandom.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <memory>

namespace
{

const CoachTable &sharedTable()
{
    static const CoachTable table = [] {
        CoachTable t;
        t.compute();
        return t;
    }();
    return table;
}

// The whole table on both cores: what a player waits for the first time the coach is used.
void BM_CoachTable(benchmark::State &state)
{
    for (auto _ : state) {
        CoachTable table;
        table.compute({}, int(state.range(0)));
        benchmark::DoNotOptimize(table.value(CoachTable::kFreshSheet));
        state.counters["fresh_sheet"] = table.value(CoachTable::kFreshSheet);
        state.counters["table_bytes"] = double(table.memoryBytes());
    }
}
BENCHMARK(BM_CoachTable)->Arg(2)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// One piece of advice in a new turn (the turn's values are solved afresh each time).
void BM_CoachAdvice(benchmark::State &state)
{
    Coach coach(sharedTable());
    TurnMoment moment;
    moment.throwNumber = 1;
    moment.thrown = {1, 3, 3, 5, 6};
    int bonus = 1;
    for (auto _ : state) {
        moment.bonus = bonus;
        bonus = bonus % 25 + 1;
        benchmark::DoNotOptimize(coach.advise(moment));
    }
}
BENCHMARK(BM_CoachAdvice)->Unit(benchmark::kMicrosecond);

// Plays one game through the real turn flow, every move of the human seat the coach's own, at
// the fastest pace; returns the human's total.
int32_t coachedGame(DiceGame &game, const GameSetup &setup, Coach &coach)
{
    game.start(setup);
    CoachDemo(game, coach).run(0);
    game.finish();
    return game.players()[1].sheet[kTotalCell];
}

// One player alone at a practice table, nothing shown or written.
struct SoloTable {
    SoloTable()
    {
        setup.practice = true;
        setup.difficulty = 5;
        setup.caption = "Тренировка";
        setup.seat(Str17::fromText("Тренер"), 0);
    }
    int32_t play(Coach &coach) { return coachedGame(game, setup, coach); }
    void seatComputers(int count)
    {
        for (int seat = 2; seat <= 1 + count; ++seat)
            setup.seat(Str17::fromText(ComputerNames[std::size_t(seat)]), uint8_t(seat * 5));
    }

    GameSetup setup;
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    AnsweringBoxes boxes{true};
    FixedClock clock;
    SilentView view;
    SystemRandom random{20261208};
    DataFiles files{*data, boxes, std::filesystem::temp_directory_path() / "vertox-coachbench"};
    DiceGame game{{*data, files, random, boxes, clock}, view};
};

// The coach's mean over many games through DiceGame against the table's value for a fresh
// sheet: they must agree within the statistical error.
void BM_CoachedGames(benchmark::State &state)
{
    SoloTable table;
    Coach coach(sharedTable());
    double sum = 0, squares = 0;
    int games = 0;
    for (auto _ : state) {
        const double total = table.play(coach);
        sum += total;
        squares += total * total;
        ++games;
    }
    const double mean = sum / games;
    const double error = std::sqrt((squares / games - mean * mean) / (games - 1));
    state.counters["games"] = games;
    state.counters["mean"] = mean;
    state.counters["std_error"] = error;
    state.counters["table"] = coach.freshTotal();
    state.counters["z"] = (mean - coach.freshTotal()) / error;
}
BENCHMARK(BM_CoachedGames)->Iterations(20000)->Unit(benchmark::kMillisecond);

// A demonstration game at the fastest pace against three computers: every announcement and move
// of the coach, the computers' moves and the turn flow; only the dice's own 200 ms pauses,
// counted apart, are left out.
void BM_DemonstrationGame(benchmark::State &state)
{
    SoloTable table;
    table.seatComputers(3);
    Coach coach(sharedTable());
    for (auto _ : state)
        benchmark::DoNotOptimize(table.play(coach));
    state.counters["die_pauses_s"] = double(table.view.waited) / 1000 / double(state.iterations());
}
BENCHMARK(BM_DemonstrationGame)->Unit(benchmark::kMillisecond);

// Undo of one write late in a practice game with four players: the game as it stood is put
// back from the copy taken at the write; the coach is not asked.
void BM_UndoOneMove(benchmark::State &state)
{
    SoloTable table;
    table.seatComputers(3);
    DiceGame &game = table.game;
    Coach coach(sharedTable());
    CoachDemo demo(game, coach);
    game.start(table.setup);
    // Into the writing moment of the last turn, fifteen writes to take back beneath it.
    while (!(game.turn() == 16 && game.humanTurn()))
        demo.move();
    while (game.keptCount() < 5 || game.screen().elseButton.enabled)
        game.go();
    const int combination = coach.advise(game.moment()).at(0).combination;
    for (auto _ : state) {
        game.write(combination, false);
        const auto started = std::chrono::steady_clock::now();
        game.undo();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
}
BENCHMARK(BM_UndoOneMove)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The verdict on one game once the table exists: every recorded choice weighed by a coach who
// starts cold, as after a round. It must stay far below a noticeable pause (50 ms).
void BM_JudgeGame(benchmark::State &state)
{
    SoloTable table;
    ChoiceLog log;
    table.setup.watcher = &log;
    Coach player(sharedTable());
    const int32_t total = table.play(player);
    for (auto _ : state) {
        Coach coach(sharedTable());
        benchmark::DoNotOptimize(JudgeGame(coach, log, 1, total, FixedClock::kToday));
    }
}
BENCHMARK(BM_JudgeGame)->Unit(benchmark::kMillisecond);

// The computer player of the game alone over many games, for comparison: arg 0 is the
// difficulty, arg 1 the place in the rating order.
void BM_ComputerAverage(benchmark::State &state)
{
    SystemRandom random(1208);
    const int difficulty = int(state.range(0)), level = int(state.range(1));
    double sum = 0;
    int games = 0;
    for (auto _ : state) {
        ScoreSheet sheet{};
        for (int turn = 1; turn <= kCombinations; ++turn)
            ComputerMove(sheet, random.uniform(1, 25), difficulty, level, random);
        sum += sheet[kTotalCell];
        ++games;
    }
    state.counters["mean"] = sum / games;
}
BENCHMARK(BM_ComputerAverage)
    ->ArgsProduct({{1, 6, 10}, {1, 20, 40}})
    ->Iterations(100000)
    ->Unit(benchmark::kMicrosecond);

} // namespace
