#pragma once

// Today's date as stored in the data files: days since 30 December 1899, no time of day.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual double today() const = 0;
};
