#pragma once

#include "game/scoring.h"

#include <cstdint>
#include <vector>

// One turn solved exactly for a set of open combinations: what every kept hand is worth at every
// throw when the turn and the rest of the game are played as well as possible. Several bonus
// cases (lanes) are solved together, since they share every step but the writing.
class CoachTurn
{
public:
    static constexpr int kMaxLanes = kCombinations + 1;

    // open: bit c-1 set for each open combination c (at least one). bonuses: the bonus
    // combination of each lane, 0 (or one not open) for none. rest: the expected rest-of-game
    // value of every open set, read for the sets this turn can leave.
    void solve(uint16_t open, const std::vector<int> &bonuses, const double *rest);

    // Before the first throw: the expected value of this turn and the rest of the game.
    double turnValue(int lane) const { return m_turn[lane]; }
    // Writing the best combination for a hand of five (a dice set number) completed on throw
    // 1, 2 or 3, and which combination that is.
    double writeValue(int hand, int throwNumber, int lane) const;
    int bestWrite(int hand, int throwNumber, int lane) const;
    // The points one combination gets with this hand, bonus included, and with the rest of
    // the game added.
    int writePoints(int combination, int hand, int throwNumber, int lane) const;
    double writeValueOf(int combination, int hand, int throwNumber, int lane) const
    {
        return writePoints(combination, hand, throwNumber, lane) + m_rest[combination];
    }
    // Keeping a set of fewer than five dice after throw 1 or 2 and throwing the others.
    double keepValue(int set, int throwNumber, int lane) const;

private:
    // The throws are compiled for each number of lanes, so the lane loops are fixed in length.
    template <int Lanes> void throws();
    void writeStep();
    double *at(std::vector<double> &values, int set) { return values.data() + set * m_lanes; }

    uint16_t m_open = 0;
    int m_lanes = 0;
    std::vector<int> m_bonus;
    double m_rest[kCombinations + 1] = {};
    // By dice set and lane: after writing on throw 1 and 2 (five dice), after the third throw
    // (five dice) or before it (fewer), before the second throw, and scratch for the choices.
    std::vector<double> m_write1, m_write2, m_third, m_second, m_choice;
    std::vector<double> m_turn;
};
