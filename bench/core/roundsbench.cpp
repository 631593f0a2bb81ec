#include "bench/benchsupport.h"
#include "competition/championshipround.h"
#include "competition/roundservices.h"
#include "data/datafiles.h"
#include "data/passwordasker.h"
#include "game/dicegame.h"
#include "game/gameview.h"
#include "platform/clock.h"
#include "platform/messageboxes.h"
#include "platform/systemrandom.h"
#include "tests/support/pressingwindow.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace
{

class NoPasswords : public PasswordAsker
{
public:
    bool AskPassword(const std::string &, const Str17 &) override { return false; }
};

// A computer-only championship of thirty over thirty rounds, with the files written after
// every game and round as in play; time is per whole championship.
void BM_ComputerChampionship(benchmark::State &state)
{
    BenchFiles bench("vertoxroundsbench");
    auto &[folder, data, boxes, files] = bench;
    SystemRandom random;
    FixedClock clock;
    SilentView view;
    NoPasswords passwords;
    DiceGame game({*data, files, random, boxes, clock}, view);
    RoundServices services{*data, files, random, boxes, passwords, game};
    PressingWindow window;
    files.LoadClub();
    files.LoadRating();
    files.LoadRecords();
    files.LoadSlots();

    for (auto _ : state) {
        TSaveSlot &slot = data->Slots[1];
        slot = TSaveSlot{};
        slot.IsCham = 1;
        slot.Title = Str21::fromText("Чемпионат");
        for (int p = 1; p <= 30; ++p)
            slot.Names[p] = Str17::fromText(ComputerNames[p]);
        slot.Cham.RoundsTotal = 30;
        slot.Cham.Difficulty = 5;
        slot.Cham.ParticipantCount = 30;
        data->CurChamSlot = 1;
        while (slot.Cham.RoundsPlayed < slot.Cham.RoundsTotal) {
            if (!PlayChampionshipRound(services, window, false).counted) {
                state.SkipWithError("a round was not counted");
                break;
            }
        }
        benchmark::DoNotOptimize(slot.Cham.Balls[1]);
    }
}
BENCHMARK(BM_ComputerChampionship)->Unit(benchmark::kMillisecond);

} // namespace
