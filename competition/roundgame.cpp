#include "competition/roundgame.h"

#include "coach/gamejudge.h"
#include "competition/roundservices.h"
#include "competition/seating.h"
#include "data/shareddata.h"

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
