#pragma once

struct RoundServices;

struct TournamentOutcome {
    // A game was played, finished or quit: the standings and the rating are to be redrawn.
    bool gamePlayed = false;
    // The game was finished and the round added to the tournament.
    bool counted = false;
    // The game entered the record table: the record tables are to be redrawn.
    bool recordsChanged = false;
};

// One press of the tournament's "Продолжить": seats every participant of the current
// tournament at one table, plays the game and adds it to the slot. Nothing happens while a game
// runs, without a playable unfinished tournament, or when a password is refused.
TournamentOutcome PlayTournamentRound(RoundServices &s);
