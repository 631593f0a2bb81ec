#include "competition/roundgame.h"

#include "coach/gamejudge.h"
#include "competition/roundservices.h"
#include "data/storedmath.h"

DiceGame::Result PlayRoundGame(RoundServices &s, bool show, const std::string &caption)
{
    return s.judge ? s.judge->play(s.game, show, caption) : s.game.PlayGame(show, caption);
}

void JudgeRoundGames(RoundServices &s)
{
    if (s.judge)
        s.judge->judgeNoted();
}

OneBased<int64_t, 10> DiffsFromAverage(const GamePlayers &players, int count)
{
    int64_t sum = 0;
    for (int seat = 1; seat <= count; ++seat)
        sum += players[seat].sheet[kTotalCell];
    const int64_t average = RoundedAverage(sum, count);
    OneBased<int64_t, 10> diffs{};
    for (int seat = 1; seat <= count; ++seat)
        diffs[seat] = players[seat].sheet[kTotalCell] - average;
    return diffs;
}
