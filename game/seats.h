#pragma once

#include "data/shareddata.h"

#include <vector>

class RandomSource;

// A computer participant plays at its position in RatingOrder among the rated entries; a name
// not found there plays at the weakest level.
uint8_t ComputerLevel(const SharedData &data, const Str17 &name);
constexpr uint8_t kWeakestLevel = 40;

// The names of count computer players drawn from the computer players' table, none twice: each
// is drawn uniformly from 1..30 until one not yet drawn comes up.
std::vector<Str17> DrawComputers(RandomSource &random, int count);
