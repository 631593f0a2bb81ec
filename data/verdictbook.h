#pragma once

#include "data/shareddata.h"

// The verdicts kept for a club member by name; nullptr when none are kept.
inline const TVerdictEntry *VerdictsOf(const SharedData &data, const Str17 &name)
{
    for (std::size_t k = 1; k <= 10; ++k) {
        const TVerdictEntry &entry = data.Verdicts[k];
        if (!entry.Name.empty() && entry.Name == name)
            return &entry;
    }
    return nullptr;
}

constexpr uint8_t kJudgedGamesKept = 50;

// Adds a judged game of a club member, the oldest going once fifty are kept; a member without
// verdicts gets an entry of their own. False for a name that is not a club member.
bool AddJudgedGame(SharedData &data, const Str17 &name, const TJudgedGame &game);

// Drops the entries of names that are not club members (a member who left takes their verdicts
// along), so that a member who joins later starts empty, and any entry after the first of a name.
void KeepClubVerdicts(SharedData &data);
