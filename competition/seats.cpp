#include "competition/seats.h"

uint8_t ComputerLevel(const SharedData &data, const Str17 &name)
{
    for (int s = 1; s <= data.ratedCount(); ++s) {
        if (data.Rating[data.RatingOrder[s]].Name == name)
            return uint8_t(s);
    }
    return kWeakestLevel;
}

int ClubMemberOf(const SharedData &data, const Str17 &name)
{
    for (int m = 1; m <= data.ClubCount; ++m) {
        if (data.ClubNames[m] == name)
            return m;
    }
    return 0;
}
