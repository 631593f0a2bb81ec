#pragma once

#include "data/shareddata.h"

#include <string>

class DiceGame;
class RandomSource;

// What the player chose for a practice game.
struct PracticeSetup {
    std::string name = "Игрок";
    int opponents = 3;  // 0..9
    int difficulty = 5; // 1..10
    bool hints = true;
    int pace = 1;               // seconds each move of the coach's own game stands, 0..5
    bool demonstration = false; // the coach plays the game from its start
};

constexpr int kMaxOpponents = 9;

// The player first, then the computer opponents drawn as a new tournament draws them, each at
// its place in the rating order. Sets the game to practice.
void SeatPractice(DiceGame &game, const SharedData &data, const PracticeSetup &setup,
                  RandomSource &random);
