#include "competition/roundgame.h"

#include "coach/gamejudge.h"
#include "competition/roundservices.h"
#include "competition/seating.h"
#include "data/shareddata.h"
#include "data/storedmath.h"

DiceGame::Result PlayRoundGame(RoundServices &s, const GamePlayers &seats, int count,
                               const std::string &caption)
{
    GameSetup setup;
    setup.playerCount = count;
    setup.players = seats;
    setup.difficulty = s.data.CurDifficulty;
    setup.show = AnyHumanSeated(seats, count);
    setup.caption = caption;
    return s.judge ? s.judge->play(s.game, setup) : s.game.PlayGame(setup);
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
