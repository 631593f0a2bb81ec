#include "platform/qteventpump.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

namespace
{

using Clock = std::chrono::steady_clock;

long long msSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

} // namespace

TEST(QtEventPump, ZeroReturnsAtOnceWithoutHandlingEvents)
{
    QtEventPump pump;
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    const auto start = Clock::now();
    pump.waitMs(0);
    EXPECT_LT(msSince(start), 20);
    EXPECT_FALSE(fired);
    pump.waitMs(1);
    EXPECT_TRUE(fired);
}

TEST(QtEventPump, WaitsTheTimeHandlingEventsWithoutSpinning)
{
    QtEventPump pump;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);

    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    pump.waitMs(300);
    const long long cpuMs = (std::clock() - cpuStart) * 1000 / CLOCKS_PER_SEC;
    const long long wallMs = msSince(start);

    EXPECT_GE(wallMs, 295);
    EXPECT_LT(wallMs, 1000);
    EXPECT_GE(ticks, 5);
    EXPECT_LT(cpuMs, 100) << "the wait kept a core busy";
}
