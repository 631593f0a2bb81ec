#pragma once

#include "data/shareddata.h"

#include <string>
#include <vector>

// The colours the standings are drawn in; the page maps them to the palette.
enum class Ink { White, Aqua, Teal, Yellow, Olive, Red, Lime };

struct StandingsCell {
    std::string text;
    Ink ink;
};

// One row: a cell per header column, left to right.
using StandingsRow = std::vector<StandingsCell>;

// Everything a standings page shows of a competition besides its buttons.
struct StandingsTexts {
    std::string heading;    // "Положение после N тура (из M)."
    std::string difficulty; // "Сложность : D"
    bool finished = false;
    std::vector<StandingsRow> rows; // place, name, [balls,] score, difference
};

// Sorts TurOrder and returns the tournament's standings, one row per participant.
StandingsTexts TournamentStandings(SharedData &data, const TSaveSlot &slot);

// Sorts ChamOrder and returns the championship's standings, one row per participant.
StandingsTexts ChampionshipStandings(SharedData &data, const TSaveSlot &slot);
