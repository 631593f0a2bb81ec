#pragma once

#include "game/demonstration.h"

#include <cstdint>
#include <string>
#include <vector>

class DiceGame;
class SolverInterface;

// The coach's own game: it plays the rest of a practice game by best play through the same
// handlers the player's clicks reach, its advice standing in the status line before each move.
class CoachDemo : public Demonstration
{
public:
    CoachDemo(DiceGame &game, SolverInterface &coach) : m_game(game), m_coach(coach) {}

    // Plays until the game is over or handed back, waiting pace ms before each move. Called again
    // while a handed-back wait is still running, it takes up from there.
    void run(unsigned pace) override;
    // Hands the game back at the move to come: the game's own instruction returns.
    void stop() override;
    bool running() const override { return m_running; }

    // The move to come, as the status line announces it.
    std::string announcement();
    // Makes the move of best play at this moment; the choice is not the player's, so no watcher
    // hears of it.
    void move();

private:
    void holdFor(const std::vector<uint8_t> &keep);

    DiceGame &m_game;
    SolverInterface &m_coach;
    bool m_running = false;
    bool m_looping = false;
    bool m_waiting = false;
    std::string m_own; // the game's instruction the announcement stands over
};
