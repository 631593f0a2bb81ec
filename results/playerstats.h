#pragma once

#include "data/shareddata.h"

#include <optional>
#include <string>
#include <vector>

// Scores from..from + kBinWidth - 1 and how many of the kept games fell there.
struct ScoreBin {
    static constexpr int kBinWidth = 20;
    int from = 0;
    int count = 0;

    friend bool operator==(const ScoreBin &, const ScoreBin &) = default;
};

// What the statistics window shows of one player: the plots' data and the figures beside them.
struct PlayerStats {
    static constexpr int kAveragedGames = 10;
    static constexpr int kHighScore = 200;

    std::string name;
    int games = 0;
    double average = 0;                // over all games played
    std::vector<int> form;             // the kept scores, oldest first
    std::vector<double> movingAverage; // per kept game: the average of it and up to 9 before it
    std::vector<ScoreBin> spread;      // lowest to highest occupied bin, empty bins between
    int best = 0;
    int worst = 0;
    double shareAbove = 0; // of the kept scores above kHighScore, 0..1
    // The expected total of best play from a fresh sheet, when the coach is ready.
    std::optional<double> bestPlay;

    // A club member's judged games, oldest first; empty for everyone else.
    std::vector<double> givenAway;
    double averageGivenAway = 0;
    double averageLuck = 0; // the actual total against the expected total of the choices made
    std::vector<std::string> costliest; // the last judged game's costliest decisions, in words
};

// The statistics of rating entry `entry` (1-based).
PlayerStats StatsOf(const SharedData &data, int entry, std::optional<double> bestPlay);

// The figures beside the plots, one a line.
std::vector<std::string> FigureLines(const PlayerStats &stats);

// The plots in words, for screen readers.
std::string FormDescription(const PlayerStats &stats);
std::string SpreadDescription(const PlayerStats &stats);
std::string GivenAwayDescription(const PlayerStats &stats);

// What an empty plot says.
inline constexpr const char *kNoGamesText = "Игр пока нет";
