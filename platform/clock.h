#pragma once

#include <chrono>

// Stored dates count whole days from this one, 30 December 1899.
inline constexpr std::chrono::sys_days kDateEpoch{std::chrono::year(1899) / 12 / 30};

// Today's date as stored in the data files: days since kDateEpoch, no time of day.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual double today() const = 0;
};
