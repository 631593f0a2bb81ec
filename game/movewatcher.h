#pragma once

#include "game/scoring.h"

#include <cstdint>
#include <vector>

// One moment of a human turn as the coach sees it.
struct TurnMoment {
    ScoreSheet sheet{};
    int bonus = kBonusDraws;     // as drawn, 1..kBonusDraws
    int throwNumber = 0;         // throws made so far, 0 before the first
    std::vector<uint8_t> kept;   // the kept hand
    std::vector<uint8_t> thrown; // the free dice on the table
};

// Told of every choice a human makes in a game, before it takes effect; player is the seat
// (1..10) that chose, as several club members may share a game.
class MoveWatcher
{
public:
    virtual ~MoveWatcher() = default;
    // After throw 1 or 2: the dice held among the thrown ones when throwing on (or stopping).
    virtual void keepChosen(int player, int turn, const TurnMoment &moment,
                            const std::vector<uint8_t> &held) = 0;
    virtual void writeChosen(int player, int turn, const TurnMoment &moment, int combination) = 0;
    // The write of turn and everything after it were taken back. Only practice games undo.
    virtual void takenBack(int /*player*/, int /*turn*/) {}
};
