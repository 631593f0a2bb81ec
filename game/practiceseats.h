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
};

constexpr int kMaxOpponents = 9;

// The player first, then the computer opponents drawn as a new tournament draws them, each at
// its place in the rating order. Sets the game to practice.
void SeatPractice(DiceGame &game, const SharedData &data, const PracticeSetup &setup,
                  RandomSource &random);
