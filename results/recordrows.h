#pragma once

#include "data/shareddata.h"

#include <array>
#include <string>

// The texts of the record tables' rows. A free row has only its place.
struct GameRecordTexts {
    bool free = true;
    bool human = false;
    std::string place, name, date, score;
    std::array<std::string, 16> combos;
};

struct PrizeRecordTexts {
    bool free = true;
    std::string place, name, date, prize;
    std::string takenPlace, difficulty, avgBalls, avgScore, rounds, participants;
};

// Game rows 1..20; a human's row also counts the human rows so far: " 3( 1)".
OneBased<GameRecordTexts, 20> GameRecordRows(const SharedData &data);
// Prize rows 21..30 as places 1..10.
OneBased<PrizeRecordTexts, 10> PrizeRecordRows(const SharedData &data);

// A stored date (days since 30.12.1899) as dd.mm.yyyy; empty when it is no calendar day.
std::string ShortDateText(double days);
