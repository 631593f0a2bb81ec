#pragma once

// A game played on its own in the game window until the player's input hands it back. The game
// window only starts and stops it; what plays is the business of whoever set it.
class Demonstration
{
public:
    virtual ~Demonstration() = default;

    // Plays until the game is over or handed back, waiting pace ms before each move.
    virtual void run(unsigned pace) = 0;
    // Hands the game back at the move to come.
    virtual void stop() = 0;
    virtual bool running() const = 0;
};
