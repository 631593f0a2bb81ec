#pragma once

// What the game needs from its window: it redraws from the game's screen state, plays the
// sounds, pauses with events handled and runs the game's own event loop.
class GameView
{
public:
    virtual ~GameView() = default;
    virtual void refresh() = 0;
    virtual void playSound(int sound) = 0;
    virtual void waitMs(unsigned ms) = 0;
    // Shows the window and handles events until gameOver() is called.
    virtual void runUntilOver() = 0;
    // Hides the window and ends runUntilOver().
    virtual void gameOver() = 0;
};

// Sounds by number, as in the settings file.
enum Sound {
    YourTurnSound = 1,
    MoveCubeSound,
    ShowCubeSound,
    WriteSound,
    DownWriteSound,
    WaitPrizeSound,
    GoodPrizeSound,
    BadPrizeSound
};
