#pragma once

#include "game/dicegame.h"

#include <string>

struct RoundServices;

// Plays the game of a round at the competition's difficulty (CurDifficulty), shown when a club
// member plays, noted for the coach when the round has one.
DiceGame::Result PlayRoundGame(RoundServices &s, const GamePlayers &seats, int count,
                               const std::string &caption);
// The coach judges the round's games: only after the round's save file is written.
void JudgeRoundGames(RoundServices &s);

// Each of the count seats' game total less the game's average: the sum of the totals divided by
// count, rounded to the nearest integer, halves to the even neighbour. Exact: the caller wraps.
OneBased<int64_t, 10> DiffsFromAverage(const GamePlayers &players, int count);
