#pragma once

#include "competition/competitionkind.h"
#include "competition/slotrules.h"
#include "data/shareddata.h"

#include <vector>

class RandomSource;

// What the new-competition dialog hands over once its input is valid: within the ranges that
// slotrules.h names.
struct NewCompetitionSettings {
    CompetitionKind kind = CompetitionKind::Tournament;
    Str21 title{};
    int difficulty = kDefaultDifficulty;
    int rounds = kDefaultRounds;
    int participants = kDefaultTournamentPlayers;
    std::vector<Str17> chosen; // club members in the order chosen, at most 10
};

// Puts a new competition into slot (1..10), replacing whatever it held, and makes it current.
// Computer participants get distinct names drawn from the computer players' table.
void CreateCompetition(SharedData &data, RandomSource &random, int slot,
                       const NewCompetitionSettings &settings);

// Makes slot (1..10) the current competition of its kind. The other kind never keeps a slot
// that now holds this kind.
CompetitionKind MakeCurrent(SharedData &data, int slot);
