#include "data/verdictbook.h"

#include <algorithm>

bool AddJudgedGame(SharedData &data, const Str17 &name, const TJudgedGame &game)
{
    if (name.empty() || ClubMemberOf(data, name) == 0)
        return false;
    const auto members = data.Verdicts.begin() + 10;
    auto entry = std::find_if(data.Verdicts.begin(), members,
                              [&](const TVerdictEntry &e) { return e.Name == name; });
    if (entry == members) {
        KeepClubVerdicts(data);
        // Ten entries serve ten members, so an unused one is always left.
        entry = std::find_if(data.Verdicts.begin(), members,
                             [](const TVerdictEntry &e) { return e.Name.empty(); });
        *entry = TVerdictEntry{};
        entry->Name = name;
    }
    auto &games = entry->Games;
    if (entry->Count >= kJudgedGamesKept) {
        std::move(games.begin() + 1, games.end(), games.begin());
        entry->Count = kJudgedGamesKept - 1;
    }
    entry->Count += 1;
    games[entry->Count] = game;
    return true;
}

void KeepClubVerdicts(SharedData &data)
{
    for (std::size_t k = 1; k <= 10; ++k) {
        TVerdictEntry &entry = data.Verdicts[k];
        // A later entry under a name already kept could never be reached.
        if (!entry.Name.empty() &&
            (ClubMemberOf(data, entry.Name) == 0 || VerdictsOf(data, entry.Name) != &entry))
            entry = TVerdictEntry{};
    }
}
