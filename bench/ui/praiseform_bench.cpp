// Prize giving of a finished championship of 30 through the award dialog, counting up with
// no pause and closed by "Дальше" as soon as it is enabled.
#include "bench/benchsupport.h"
#include "bench/prizesetup.h"
#include "game/soundboard.h"
#include "platform/sounddevice.h"
#include "results/prizes.h"
#include "results/tpraiseform.h"

#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace
{

void BM_ChampionshipPrizesThroughTheDialog(benchmark::State &state)
{
    PrizeBench bench("vertoxpraisebench");
    bench.data->SoundOn = true;
    SilentDevice device;
    SoundBoard sounds(bench.data->SoundOn, device);
    TPraiseForm form(sounds);
    form.setTickInterval(0);
    auto *next = form.findChild<QPushButton *>("CloseButton");
    QTimer press;
    QObject::connect(&press, &QTimer::timeout, [&] {
        if (form.isVisible() && next->isEnabled())
            next->click();
    });
    press.start(0);
    int run = 0;
    for (auto _ : state) {
        bench.reset(++run);
        benchmark::DoNotOptimize(GivePrizes(*bench.data, bench.files(), bench.clock(), form, true));
    }
}
BENCHMARK(BM_ChampionshipPrizesThroughTheDialog)->Unit(benchmark::kMillisecond);

} // namespace
