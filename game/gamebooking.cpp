#include "game/gamebooking.h"

#include "data/rankorder.h"
#include "data/ratingbook.h"
#include "game/recordrule.h"

#include <algorithm>

int FindRatingEntry(const SharedData &data, const GamePlayer &player)
{
    const int first = player.isHuman() ? kFirstMemberEntry : 1;
    const int last = player.isHuman() ? data.ratedCount() : kComputerCount;
    for (int e = first; e <= last; ++e) {
        if (data.Rating[e].Name == player.name)
            return e;
    }
    return 0;
}

void MarkGameRunning(SharedData &data, const GamePlayers &players, int count)
{
    for (int i = 1; i <= count; ++i) {
        const int e = FindRatingEntry(data, players[i]);
        if (IsMemberEntry(e))
            data.Rating[e].Status[1] = kInGame;
    }
}

int32_t GameScore(const GamePlayer &player, int entry, bool quit, int difficulty)
{
    const int32_t total = player.sheet[kTotalCell];
    if (IsComputerEntry(entry))
        return total + 60 - 10 * difficulty;
    return quit ? 0 : total;
}

bool BookGame(SharedData &data, const GamePlayers &players, int count, bool quit, int difficulty,
              double today)
{
    bool recordsChanged = false;
    for (int i = 1; i <= count; ++i) {
        const GamePlayer &player = players[i];
        const int entry = FindRatingEntry(data, player);
        const bool computerOpponent = IsComputerEntry(entry);
        if (quit && computerOpponent)
            continue;
        const int32_t score = GameScore(player, entry, quit, difficulty);

        OneBased<int32_t, kCombinations> combos;
        std::copy(player.sheet.begin(), player.sheet.begin() + kCombinations, combos.begin());
        if (EnterGameRecord(data.Records, player.name, score, today,
                            player.isHuman() ? 0 : uint8_t(difficulty), combos) != 0)
            recordsChanged = true;
        if (entry != 0)
            BookGameScore(data.Rating[entry], score);
    }
    return recordsChanged;
}

Standings RankPlayers(const GamePlayers &players, int count)
{
    Standings order{};
    RankOrder(order, count, [&](int player) { return players[player].sheet[kTotalCell]; });
    return order;
}

int PlaceOf(const Standings &standings, int count, int player)
{
    for (int a = 1; a <= count; ++a) {
        if (standings[a] == player)
            return a;
    }
    return 0;
}
