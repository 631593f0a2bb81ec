#pragma once

#include "data/datafiles.h"
#include "data/ratingbook.h"

#include <initializer_list>

// A reset rating, the thirty computer players by name, with these club members after them,
// sorted as the main window keeps it.
inline void ResetRatingWithMembers(SharedData &data, std::initializer_list<const char *> members)
{
    for (std::size_t e = 1; e <= 41; ++e)
        ResetRatingEntry(data.Rating[e], e <= 30 ? Str17::fromText(ComputerNames[e]) : Str17{});
    data.ClubCount = 0;
    for (const char *name : members) {
        ++data.ClubCount;
        data.ClubNames[data.ClubCount] = Str17::fromText(name);
        data.Rating[30u + data.ClubCount].Name = data.ClubNames[data.ClubCount];
    }
    SortRating(data);
}
