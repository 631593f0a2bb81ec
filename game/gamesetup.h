#pragma once

#include "game/gamebooking.h"

#include <cstdint>
#include <functional>
#include <string>

class Demonstration;
class MoveWatcher;

// Everything about one game, given whole when it starts: nothing of one game carries over into
// the next, so a practice game can never leave the next tournament game unbooked.
struct GameSetup {
    int playerCount = 0;
    GamePlayers players{}; // names and levels; the sheets start empty
    uint8_t difficulty = 1;
    bool show = true; // false when only computers play: no window, no pause
    std::string caption;
    // Books nothing, touches no file, may be undone and ends without a question when closed.
    bool practice = false;
    // Told of every choice of a human player; nullptr for none.
    MoveWatcher *watcher = nullptr;
    // The coach's hint for the moment, shown on "?"; empty for none.
    std::function<std::string()> hints;
    // The coach's own game (nullptr for none), pace ms a move, started at once when asked.
    Demonstration *demonstration = nullptr;
    unsigned pace = 0;
    bool demonstrateAtStart = false;

    // Seats the next player: level 0 for a human, otherwise the computer's rating place.
    void seat(const Str17 &name, uint8_t level)
    {
        ++playerCount;
        players[playerCount] = {};
        players[playerCount].name = name;
        players[playerCount].level = level;
    }
};
