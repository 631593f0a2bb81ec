#pragma once

#include "game/gameview.h"
#include "platform/clock.h"
#include "results/prizes.h"

// What a game needs when nobody watches it, for the tests and the benchmarks alike; no test
// framework here, so the benchmarks can use it too.

// A fixed day for the records set; a benchmark may move it on between its runs.
class FixedClock : public Clock
{
public:
    static constexpr double kToday = 46000.0;
    double today() const override { return day; }

    double day = kToday;
};

// A view that shows nothing and makes no pause, only adding up the pauses asked for.
class SilentView : public GameView
{
public:
    void refresh() override {}
    void playSound(int) override {}
    void waitMs(unsigned ms) override { waited += ms; }
    void runUntilOver() override {}
    void gameOver() override {}

    unsigned long long waited = 0;
};

// Prizes handed out with nobody to see them.
class NoAwards : public AwardView
{
public:
    void showAward(const std::string &, int, double) override {}
};
