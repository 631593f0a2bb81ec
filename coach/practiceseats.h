#pragma once

#include "data/shareddata.h"
#include "game/gamesetup.h"

#include <string>

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

// A practice game at the chosen difficulty: the player first, then the computer opponents drawn
// as a new tournament draws them, each at its place in the rating order. The coach's watcher,
// hints and demonstration are the caller's to add.
GameSetup PracticeGame(const SharedData &data, const PracticeSetup &setup, RandomSource &random);
