#include "coach/practiceseats.h"

#include "game/seats.h"

#include <algorithm>

GameSetup PracticeGame(const SharedData &data, const PracticeSetup &setup, RandomSource &random)
{
    GameSetup game;
    game.practice = true;
    game.difficulty = uint8_t(setup.difficulty);
    game.caption = "Тренировка";
    game.seat(Str17::fromText(setup.name, kMaxNameChars), 0);
    const int opponents = std::clamp(setup.opponents, 0, kMaxOpponents);
    for (const Str17 &name : DrawComputers(random, opponents))
        game.seat(name, ComputerLevel(data, name));
    return game;
}
