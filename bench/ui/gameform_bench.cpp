// How fast the game window appears, and whether a human turn with its real pauses ever keeps
// the event loop from handling events.
#include "bench/benchsupport.h"
#include "data/datafiles.h"
#include "game/soundboard.h"
#include "game/tgameform.h"
#include "platform/messageboxes.h"
#include "platform/qteventpump.h"
#include "platform/sounddevice.h"
#include "platform/systemclock.h"
#include "platform/systemrandom.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <random>

namespace
{

// Calls back at the first Show event of the watched window.
class ShowWatch : public QObject
{
public:
    std::function<void()> onShow;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && onShow)
            onShow();
        return false;
    }
};

// A working folder with fresh data files, a club member "Аня" and the shipped die pictures.
class Table
{
public:
    Table()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("vertoxbench-" + std::to_string(std::random_device()())))
    {
        std::filesystem::create_directories(m_folder);
        files.LoadClub();
        files.LoadRating();
        files.LoadRecords();
        files.LoadSlots();
        data->ClubCount = 1;
        data->ClubNames[1] = Str17::fromText("Аня");
        data->Rating[31].Name = data->ClubNames[1];
        form =
            TGameForm::create({*data, files, random, boxes, clock}, sounds, pump, VERTOX_GAME_DIR);
        setup.difficulty = 5;
        setup.caption = "Турнир(1 тур)";
        setup.seat(data->ClubNames[1], 0);
        setup.seat(data->Rating[6].Name, 6);
    }
    ~Table()
    {
        form.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    QAbstractButton *button(const QString &name) const
    {
        return form->findChild<QAbstractButton *>(name);
    }

private:
    std::filesystem::path m_folder;

public:
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    AnsweringBoxes boxes{true};
    SystemRandom random;
    SystemClock clock;
    QtEventPump pump;
    SilentDevice device;
    SoundBoard sounds{data->SoundOn, device};
    DataFiles files{*data, boxes, m_folder};
    std::unique_ptr<TGameForm> form;
    GameSetup setup;
};

// From the call of PlayGame to the window being shown; the game is then quit at once.
void BM_WindowShows(benchmark::State &state)
{
    Table table;
    if (!table.form) {
        state.SkipWithError("no die pictures in the game folder");
        return;
    }
    ShowWatch watch;
    table.form->installEventFilter(&watch);
    QElapsedTimer clock;
    double slowest = 0;
    for (auto _ : state) {
        qint64 shownAfter = -1;
        watch.onShow = [&] {
            shownAfter = clock.nsecsElapsed();
            QTimer::singleShot(0, table.form.get(), [&] { table.form->close(); });
        };
        clock.start();
        table.form->PlayGame(table.setup);
        const double seconds = double(shownAfter) / 1e9;
        slowest = std::max(slowest, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["slowest_ms"] = slowest * 1000;
}
BENCHMARK(BM_WindowShows)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Plays human turns by pressing whatever the window offers, with the real 200 ms pauses, while
// a 1 ms timer notes the longest time the event loop went without handling it.
void BM_HumanTurnsKeepEventsFlowing(benchmark::State &state)
{
    const int humanTurns = int(state.range(0));
    Table table;
    if (!table.form) {
        state.SkipWithError("no die pictures in the game folder");
        return;
    }
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longestGap = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestGap = std::max(longestGap, now - last);
        last = now;
    });

    int turnsWritten = 0;
    std::function<void()> press = [&] {
        TGameForm &form = *table.form;
        if (!form.isVisible())
            return;
        if (turnsWritten == humanTurns) {
            form.close();
            return;
        }
        const GamePlayer &player = form.game().players()[std::size_t(form.game().currentPlayer())];
        QAbstractButton *next = nullptr;
        for (int row = 1; row <= 16 && !next; ++row) {
            QAbstractButton *write = table.button(QString("WriteButton%1").arg(row));
            if (write->isEnabled() && player.sheet[std::size_t(row)] == 0)
                next = write;
        }
        if (next)
            ++turnsWritten;
        for (const char *name : {"ElseButton", "GoButton"}) {
            if (!next && table.button(name)->isEnabled())
                next = table.button(name);
        }
        if (next)
            next->click();
        QTimer::singleShot(1, &form, press);
    };

    for (auto _ : state) {
        turnsWritten = 0;
        longestGap = 0;
        clock.start();
        last = 0;
        probe.start();
        QTimer::singleShot(1, table.form.get(), press);
        table.form->PlayGame(table.setup);
        probe.stop();
    }
    state.counters["longest_gap_ms"] = double(longestGap) / 1e6;
    state.counters["human_turns"] = humanTurns;
}
BENCHMARK(BM_HumanTurnsKeepEventsFlowing)->Arg(2)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
