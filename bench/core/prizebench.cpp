// Prize giving of a finished championship of 30, with the three files written.
#include "bench/prizesetup.h"
#include "results/prizes.h"

#include <benchmark/benchmark.h>

namespace
{

void BM_ChampionshipPrizes(benchmark::State &state)
{
    PrizeBench bench("vertoxprizebench");
    NoAwards view;
    int run = 0;
    for (auto _ : state) {
        bench.reset(++run);
        benchmark::DoNotOptimize(GivePrizes(*bench.data, bench.files(), bench.clock(), view, true));
    }
}
BENCHMARK(BM_ChampionshipPrizes)->Unit(benchmark::kMillisecond);

} // namespace
