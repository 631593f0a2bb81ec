#include "coach/coachloader.h"

#include "coach/coach.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <thread>

namespace
{

bool loadTable(CoachTable &table, const std::filesystem::path &cacheFile, QWidget *parent)
{
    if (table.ready() || table.load(cacheFile))
        return true;

    QProgressDialog progress("Тренер изучает игру (это делается один раз)...", "Отмена", 0,
                             CoachTable::kSets - 1, parent);
    progress.setObjectName("CoachProgress");
    progress.setWindowTitle("Тренировка");
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAccessibleName("Тренер изучает игру");

    std::atomic<int> done{0};
    std::atomic<bool> cancelled{false}, finished{false};
    CoachTable solved;
    bool ok = false;
    std::thread worker([&] {
        ok = solved.compute([&](int count, int) {
            done = count;
            return !cancelled;
        });
        finished = true;
    });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (progress.wasCanceled())
            cancelled = true;
        else
            progress.setValue(done);
        if (finished)
            loop.quit();
    });
    poll.start(50);
    loop.exec();
    worker.join();
    progress.close();
    if (!ok)
        return false;
    table = std::move(solved);
    // A cache that cannot be written only means solving again next time.
    table.save(cacheFile);
    return true;
}

} // namespace

CoachLoader::CoachLoader(std::filesystem::path cacheFile)
    : m_cacheFile(std::move(cacheFile)), m_table(std::make_unique<CoachTable>()),
      m_coach(std::make_unique<Coach>(*m_table))
{
}

CoachLoader::~CoachLoader() = default;

SolverInterface *CoachLoader::load(QWidget *parent)
{
    return loadTable(*m_table, m_cacheFile, parent) ? m_coach.get() : nullptr;
}

SolverInterface *CoachLoader::loaded()
{
    return m_table->ready() ? m_coach.get() : nullptr;
}
