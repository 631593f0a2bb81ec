#pragma once

#include "competition/championshipround.h"

#include <string>

// A round window nobody watches: it presses "Дальше" for every group and "Конец тура".
class PressingWindow : public RoundWindow
{
public:
    bool playRound(ChampionshipRound &round, const std::string &) override
    {
        while (!round.over())
            round.next();
        return round.brokenOff();
    }
    bool busy() const override { return false; }
};
