#include "game/practiceseats.h"

#include "competition/seats.h"
#include "game/dicegame.h"
#include "platform/randomsource.h"

#include <algorithm>

void SeatPractice(DiceGame &game, const SharedData &data, const PracticeSetup &setup,
                  RandomSource &random)
{
    const int opponents = std::clamp(setup.opponents, 0, kMaxOpponents);
    game.setPractice(true);
    game.playerCount = 1 + opponents;
    game.players[1] = {};
    game.players[1].name = Str17::fromText(setup.name, 16);
    OneBased<bool, 30> drawn{};
    for (int seat = 2; seat <= game.playerCount; ++seat) {
        int k = 0;
        do
            k = random.uniform(1, 30);
        while (drawn[std::size_t(k)]);
        drawn[std::size_t(k)] = true;
        GamePlayer &player = game.players[std::size_t(seat)];
        player = {};
        player.name = Str17::fromText(ComputerNames[std::size_t(k)]);
        player.level = ComputerLevel(data, player.name);
    }
}
