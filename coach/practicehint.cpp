#include "coach/practicehint.h"

#include "coach/movetext.h"
#include "game/dicegame.h"

std::string PracticeHint(const DiceGame &game, SolverInterface &coach)
{
    if (!game.humanTurn())
        return "Тренер подскажет в ваш ход";
    return AdviceText(coach.advise(game.moment()));
}
