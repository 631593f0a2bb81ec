#pragma once

#include "data/shareddata.h"

#include <string>

class Clock;
class DataFiles;

// The prize of participant (1-based) for the place taken in a finished competition, in
// prize points. A club member's difficulty bonus and a computer's handicap follow the slot's
// difficulty; a championship adds its balls against the group's average.
double PrizeFor(const TSaveSlot &slot, int participant, int place);

// Announces one award and returns when the player has seen it.
class AwardView
{
public:
    virtual ~AwardView() = default;
    virtual void showAward(const std::string &name, int place, double prize) = 0;
};

// Hands out the prizes of the current tournament or championship, last place first: positive
// prizes go to the rating, club members' prizes are offered to the prize rows. The slot is
// freed and is no longer current; the slots, the rating and (when changed) the records are
// written. Does nothing unless that competition is finished. Returns whether the records
// changed.
bool GivePrizes(SharedData &data, DataFiles &files, const Clock &clock, AwardView &view,
                bool championship);
