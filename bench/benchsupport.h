#pragma once

#include "game/gameview.h"
#include "platform/answeringboxes.h"
#include "platform/clock.h"
#include "platform/sounddevice.h"

// A view for games nobody watches: computer-only games and scripted play.
class UnseenView : public GameView
{
public:
    void refresh() override {}
    void playSound(int) override {}
    void waitMs(unsigned) override {}
    void runUntilOver() override {}
    void gameOver() override {}
};

// A fixed day for the records that benchmarks set.
class BenchClock : public Clock
{
public:
    double today() const override { return 46000.0; }
};

// A sound device that plays nothing, however often it is asked.
class SilentDevice : public SoundDevice
{
public:
    bool open(const std::string &) override { return true; }
    void play() override {}
    bool isPlaying() const override { return false; }
    void stop() override {}
    void close() override {}
};
