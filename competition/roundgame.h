#pragma once

#include "game/dicegame.h"

#include <string>

struct RoundServices;

// Plays the seated game of a round, judged by the coach when the round has one.
DiceGame::Result PlayRoundGame(RoundServices &s, bool show, const std::string &caption);
