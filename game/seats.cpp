#include "game/seats.h"

#include "platform/randomsource.h"

uint8_t ComputerLevel(const SharedData &data, const Str17 &name)
{
    for (int s = 1; s <= data.ratedCount(); ++s) {
        if (data.Rating[data.RatingOrder[s]].Name == name)
            return uint8_t(s);
    }
    return kWeakestLevel;
}

std::vector<Str17> DrawComputers(RandomSource &random, int count)
{
    OneBased<bool, kComputerCount> drawn{};
    std::vector<Str17> names;
    for (int i = 1; i <= count; ++i) {
        int k = random.uniform(1, kComputerCount);
        while (drawn[std::size_t(k)])
            k = random.uniform(1, kComputerCount);
        drawn[std::size_t(k)] = true;
        names.push_back(Str17::fromText(ComputerNames[std::size_t(k)]));
    }
    return names;
}
