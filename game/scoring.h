#pragma once

#include "data/onebased.h"

#include <cstdint>

// Cells 1..16 are the combinations, 17 the total; 0 means open.
using ScoreSheet = OneBased<int32_t, 17>;
constexpr int kTotalCell = 17;
constexpr int kCombinations = 16;

// The combinations by their row on the sheet.
enum Combination : int {
    Ones = 1,
    Twos,
    Threes,
    Fours,
    Fives,
    Sixes,
    Pair,
    ThreeOfAKind,
    FourOfAKind,
    FiveOfAKind, // "Покер:"
    TwoPairs,    // "2+2:"
    FullHouse,   // "3+2:"
    SmallStraight,
    LargeStraight,
    LowSum,  // 35 less the sum of the faces
    HighSum, // the sum of the faces
};
static_assert(HighSum == kCombinations);

// Five kept faces in the order they were kept; order plays no part in the valuation.
using Hand = OneBased<uint8_t, 5>;

// The value of a combination (1..16) for the kept hand completed on throw 1, 2 or 3.
int32_t CombCheck(const Hand &hand, uint8_t throwNumber, int combination);
// All sixteen values at once, as the write step needs them.
OneBased<int32_t, 16> CombCheckAll(const Hand &hand, uint8_t throwNumber);

// How a filled cell is coloured in the turn it was filled.
enum class CellColour { Navy, Green, White, Yellow };

// Each turn draws its bonus combination from 1..25: a draw above 16 names no combination.
constexpr int kBonusDraws = 25;

// The bonus rule: ten more for a written value, ten less for a struck one.
constexpr int32_t WithBonus(int32_t value)
{
    return value > 0 ? value + 10 : value - 10;
}

// A single die kept after the first throw is given back, as if none were kept.
constexpr bool KeptDiceGivenBack(int throwNumber, int keptCount)
{
    return throwNumber == 1 && keptCount == 1;
}

// Applies the bonus rule, fills the cell and adds to the total; returns the final value.
int32_t FillCell(ScoreSheet &sheet, int combination, int32_t value, int bonusCombination,
                 CellColour *colour = nullptr);

// Labels of rows 1..17.
extern const OneBased<const char *, 17> SheetLabels;
