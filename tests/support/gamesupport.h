#pragma once

#include "data/datafiles.h"
#include "game/gameview.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

// A fixed day for records set in tests.
class FixedClock : public Clock
{
public:
    static constexpr double kToday = 46000.0;
    double today() const override { return kToday; }
};

// A view for games that must never be shown: computer-only games.
class HiddenView : public GameView
{
public:
    void refresh() override {}
    void playSound(int) override {}
    void waitMs(unsigned) override {}
    void gameOver() override {}
    void runUntilOver() override { ADD_FAILURE() << "a computer-only game opened the window"; }
};

// The data files in start-up order; a fresh folder resets each.
inline void loadAllFiles(DataFiles &files)
{
    files.LoadClub();
    files.LoadRating();
    files.LoadRecords();
    files.LoadSlots();
    files.LoadVerdicts();
}
