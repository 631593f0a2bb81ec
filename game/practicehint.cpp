#include "game/practicehint.h"

#include "game/coach.h"
#include "game/dicegame.h"

std::string PracticeHint(const DiceGame &game, Coach &coach)
{
    const int current = game.currentPlayer();
    const bool humanTurn = current >= 1 && current <= game.playerCount &&
                           game.players[std::size_t(current)].isHuman() && game.throwCounter() <= 3;
    if (!humanTurn)
        return "Тренер подскажет в ваш ход";
    return AdviceText(coach.advise(game.moment()));
}
