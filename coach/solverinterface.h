#pragma once

#include "game/movewatcher.h"

#include <cstdint>
#include <vector>

// A move open to the player, with the final total it leads to on average under best play.
struct CoachMove {
    enum class Kind { Throw, Keep, Write };
    Kind kind = Kind::Throw;
    // Keep: the whole kept hand after the move, sorted; all five dice mean stopping.
    std::vector<uint8_t> keep;
    // Write, and Keep of all five: the combination to write and the points it gets.
    int combination = 0;
    int points = 0;
    double expected = 0;
};

// The coach as rounds, statistics and practice ask him: best play's answers for any moment of a
// game, whatever they are solved from.
class SolverInterface
{
public:
    virtual ~SolverInterface() = default;

    // The expected total of best play over a whole game.
    virtual double freshTotal() const = 0;
    // Every move open at this moment, best first.
    virtual std::vector<CoachMove> advise(const TurnMoment &moment) = 0;
};

// The move a choice makes: the dice held among the thrown ones after throw 1 or 2.
CoachMove KeepMove(const TurnMoment &moment, const std::vector<uint8_t> &held);
