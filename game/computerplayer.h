#pragma once

#include "data/shortstring.h"
#include "game/scoring.h"

#include <string>

class RandomSource;

struct ComputerMoveResult {
    int combination;
    int32_t value; // after the bonus rule
    CellColour colour;
};

// A computer player's move: it draws an open combination and a strength instead of throwing.
// difficulty 1..10; level is the player's place in the rating order, 1..40.
ComputerMoveResult ComputerMove(ScoreSheet &sheet, int bonusCombination, int difficulty, int level,
                                RandomSource &random);

// The value a combination gets at a strength with the drawn low faces (1..3, low3 unlike low1);
// 0 stands for a struck face row, which the move decides on its own.
int32_t ComputerValue(int combination, int strength, int low1, int low2, int low3);

// Strength o from the drawn e (1..40): e scaled by difficulty and rating place, rounded.
int ComputerStrength(int e, int difficulty, int level);

// "Россия получила 22 очка." — the line shown for a computer's move.
std::string ComputerMoveText(const Str17 &name, int32_t value);
