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
