#include "platform/qteventpump.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

using Clock = std::chrono::steady_clock;

long long msSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Processor time this process has used: std::clock counts wall time on Windows.
long long cpuMsUsed()
{
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto hundredNs = [](FILETIME t) {
        return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return (hundredNs(kernel) + hundredNs(user)) / 10000;
#else
    return std::clock() * 1000LL / CLOCKS_PER_SEC;
#endif
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
    const long long cpuStart = cpuMsUsed();
    pump.waitMs(300);
    const long long cpuMs = cpuMsUsed() - cpuStart;
    const long long wallMs = msSince(start);

    EXPECT_GE(wallMs, 295);
    EXPECT_LT(wallMs, 1000);
    EXPECT_GE(ticks, 5);
    EXPECT_LT(cpuMs, 100) << "the wait kept a core busy";
}
