#include "coach/practiceseats.h"

#include "game/dicegame.h"
#include "game/seats.h"

#include <algorithm>

void SeatPractice(DiceGame &game, const SharedData &data, const PracticeSetup &setup,
                  RandomSource &random)
{
    const int opponents = std::clamp(setup.opponents, 0, kMaxOpponents);
    game.setPractice(true);
    game.playerCount = 1 + opponents;
    game.players[1] = {};
    game.players[1].name = Str17::fromText(setup.name, kMaxNameChars);
    const std::vector<Str17> computers = DrawComputers(random, opponents);
    for (int seat = 2; seat <= game.playerCount; ++seat) {
        GamePlayer &player = game.players[std::size_t(seat)];
        player = {};
        player.name = computers[std::size_t(seat - 2)];
        player.level = ComputerLevel(data, player.name);
    }
}
