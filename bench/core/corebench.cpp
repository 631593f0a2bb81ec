#include "bench/benchsupport.h"
#include "data/datafiles.h"
#include "data/verdictbook.h"
#include "game/dicegame.h"
#include "game/gameview.h"
#include "platform/clock.h"
#include "platform/messageboxes.h"
#include "platform/systemrandom.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace
{

std::vector<Hand> allHands()
{
    std::vector<Hand> hands;
    for (int code = 0; code < 7776; ++code) {
        Hand hand;
        int rest = code;
        for (auto &face : hand) {
            face = uint8_t(rest % 6 + 1);
            rest /= 6;
        }
        hands.push_back(hand);
    }
    return hands;
}

// All sixteen combinations of every ordered hand at every throw; time is per hand and throw.
void BM_ValueAllCombinations(benchmark::State &state)
{
    const auto hands = allHands();
    for (auto _ : state) {
        for (const Hand &hand : hands) {
            for (uint8_t t = 1; t <= 3; ++t) {
                auto values = CombCheckAll(hand, t);
                benchmark::DoNotOptimize(values);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * int64_t(hands.size()) * 3);
}
BENCHMARK(BM_ValueAllCombinations)->Unit(benchmark::kMillisecond);

// Ten computer players, sixteen turns, without the booking.
void BM_ComputerOnlyGame(benchmark::State &state)
{
    auto data = std::make_unique<SharedData>();
    AnsweringBoxes boxes;
    DataFiles files(*data, boxes, std::filesystem::temp_directory_path());
    SystemRandom random;
    FixedClock clock;
    SilentView view;
    DiceGame game({*data, files, random, boxes, clock}, view);
    GameSetup computers;
    computers.show = false;
    computers.difficulty = 6;
    for (int i = 1; i <= 10; ++i)
        computers.seat(Str17::fromText(ComputerNames[i]), uint8_t(i * 4));
    for (auto _ : state) {
        game.start(computers);
        benchmark::DoNotOptimize(game.players()[10].sheet[kTotalCell]);
    }
}
BENCHMARK(BM_ComputerOnlyGame)->Unit(benchmark::kMicrosecond);

// Loading all four files, then writing the three checked ones with a change in each.
void BM_LoadAndSaveFiles(benchmark::State &state)
{
    BenchFiles bench("vertoxbench");
    auto &[folder, data, boxes, files] = bench;
    files.LoadClub();
    files.LoadRating();
    files.LoadRecords();
    files.LoadSlots();
    for (auto _ : state) {
        files.LoadClub();
        files.LoadRating();
        files.LoadRecords();
        files.LoadSlots();
        // A change in each, so every file is really written.
        data->Rating[1].PrizePoints += 1;
        data->Records[1].Score += 1;
        data->Slots[1].Reserved[1] ^= 1;
        files.SaveRating();
        files.SaveRecords();
        files.SaveSlots();
    }
}
BENCHMARK(BM_LoadAndSaveFiles)->Unit(benchmark::kMicrosecond);

// What the verdicts add to a start-up: loading a full file, ten members with fifty games each.
void BM_LoadFullVerdicts(benchmark::State &state)
{
    BenchFiles bench("vertoxbench-verdicts");
    auto &[folder, data, boxes, files] = bench;
    for (int k = 1; k <= 10; ++k) {
        data->ClubNames[k] = Str17::fromText("Игрок " + std::to_string(k));
        data->ClubCount = uint8_t(k);
        for (int g = 1; g <= kJudgedGamesKept; ++g)
            AddJudgedGame(*data, data->ClubNames[k], TJudgedGame{46000.0, g, {}, 203.5, 9.5, {}});
    }
    files.SaveVerdicts();
    for (auto _ : state) {
        files.LoadVerdicts();
        benchmark::DoNotOptimize(data->Verdicts[10].Count);
    }
}
BENCHMARK(BM_LoadFullVerdicts)->Unit(benchmark::kMicrosecond);

} // namespace
