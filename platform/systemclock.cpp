#include "platform/systemclock.h"

#include <chrono>
#include <ctime>

double SystemClock::today() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    const std::chrono::year_month_day date{std::chrono::year(local.tm_year + 1900),
                                           std::chrono::month(unsigned(local.tm_mon + 1)),
                                           std::chrono::day(unsigned(local.tm_mday))};
    return double((std::chrono::sys_days(date) - kDateEpoch).count());
}
