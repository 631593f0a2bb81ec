// The statistics window opened by its key with forty players who have all played fifty games
// and more, the ten club members each with fifty judged games: first the window's first use
// (made, the coach's table read from its cache), then a later look, each drawn and closed.
#include "bench/benchsupport.h"
#include "coach/coachloader.h"
#include "coach/coachtable.h"
#include "data/ratingbook.h"
#include "results/tstatform.h"

#include <QTimer>

#include <benchmark/benchmark.h>

namespace
{

class StatBench : public BenchFiles
{
public:
    StatBench() : BenchFiles("vertoxstatbench")
    {
        CoachTable table;
        table.compute();
        table.save(cache());
        data->ClubCount = 10;
        for (std::size_t e = 1; e <= 40; ++e) {
            const std::string name = e <= 30 ? ComputerNames[e] : "Игрок " + std::to_string(e - 30);
            ResetRatingEntry(data->Rating[e], Str17::fromText(name));
            for (int game = 1; game <= 120; ++game)
                BookGameScore(data->Rating[e], int32_t(120 + (game * 37 + int(e) * 11) % 170));
        }
        for (std::size_t k = 1; k <= 10; ++k) {
            data->ClubNames[k] = data->Rating[30 + k].Name;
            TVerdictEntry &verdicts = data->Verdicts[k];
            verdicts.Name = data->ClubNames[k];
            verdicts.Count = 50;
            for (std::size_t g = 1; g <= 50; ++g) {
                verdicts.Games[g].Total = int32_t(150 + g);
                verdicts.Games[g].BestTotal = 245.9;
                verdicts.Games[g].GivenAway = double(g % 17);
            }
        }
        SortRating(*data);
    }
    std::filesystem::path cache() const { return folder / CoachTable::kCacheFile; }

    // Shows the window as F9 does, lets it draw and closes it.
    static void look(TStatForm &form)
    {
        QTimer::singleShot(0, &form, [&form] {
            benchmark::DoNotOptimize(form.grab());
            form.reject();
        });
        form.showStatistics();
    }
};

void BM_StatisticsFirstLook(benchmark::State &state)
{
    StatBench bench;
    for (auto _ : state) {
        CoachLoader coach(bench.cache());
        TStatForm form({*bench.data, bench.boxes, coach});
        StatBench::look(form);
    }
}
BENCHMARK(BM_StatisticsFirstLook)->Unit(benchmark::kMillisecond);

void BM_StatisticsLaterLook(benchmark::State &state)
{
    StatBench bench;
    CoachLoader coach(bench.cache());
    TStatForm form({*bench.data, bench.boxes, coach});
    StatBench::look(form);
    for (auto _ : state)
        StatBench::look(form);
}
BENCHMARK(BM_StatisticsLaterLook)->Unit(benchmark::kMillisecond);

} // namespace
