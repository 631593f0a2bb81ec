#pragma once

#include "data/datafiles.h"
#include "platform/clock.h"

// A fixed day for records set in tests.
class FixedClock : public Clock
{
public:
    static constexpr double kToday = 46000.0;
    double today() const override { return kToday; }
};

// The four data files in start-up order; a fresh folder resets each.
inline void loadAllFiles(DataFiles &files)
{
    files.LoadClub();
    files.LoadRating();
    files.LoadRecords();
    files.LoadSlots();
}
