#include "competition/roundgame.h"

#include "coach/gamejudge.h"
#include "competition/roundservices.h"

DiceGame::Result PlayRoundGame(RoundServices &s, bool show, const std::string &caption)
{
    return s.judge ? s.judge->play(s.game, show, caption) : s.game.PlayGame(show, caption);
}

void JudgeRoundGames(RoundServices &s)
{
    if (s.judge)
        s.judge->judgeNoted();
}
