#pragma once

#include "data/shareddata.h"
#include "game/scoring.h"

// One seat of a game: level 0 is a human, otherwise the computer's place in the rating order.
struct GamePlayer {
    Str17 name{};
    uint8_t level = 0;
    ScoreSheet sheet{};

    bool isHuman() const { return level == 0; }
};
using GamePlayers = OneBased<GamePlayer, 10>;
using Standings = OneBased<uint8_t, 10>;

// The rating entry of a seat, or 0. Humans are looked up only among the club's entries and
// computers only among the computers', so a member named like a country is never taken for it.
int FindRatingEntry(const SharedData &data, const GamePlayer &player);

// Marks the club members of a shown game as playing (written to disk by the caller).
void MarkGameRunning(SharedData &data, const GamePlayers &players, int count);

// The score a game books into the rating and the records.
int32_t GameScore(const GamePlayer &player, int entry, bool quit, int difficulty);

// Books a finished or quit game into the rating entries and the game records.
// Returns whether the record table changed.
bool BookGame(SharedData &data, const GamePlayers &players, int count, bool quit, int difficulty,
              double today);

// Players by total, highest first; equal totals keep the lower player number first.
Standings RankPlayers(const GamePlayers &players, int count);

// Position (1-based) of a player in standings, 0 when not there.
int PlaceOf(const Standings &standings, int count, int player);
