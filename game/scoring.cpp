#include "game/scoring.h"

#include <cstdlib>

const OneBased<const char *, 17> SheetLabels = {{
    "1:",
    "2:",
    "3:",
    "4:",
    "5:",
    "6:",
    "Пара:",
    "Тройка:",
    "Каре:",
    "Покер:",
    "2+2:",
    "3+2:",
    "Мал.Стрит:",
    "Бол.Стрит:",
    "Мал.Сумма:",
    "Бол.Сумма:",
    "Всего:",
}};

namespace
{

constexpr int32_t kFaceStrike = -40;
constexpr int32_t kStrike = -10;

// The highest face shown by at least n dice, or 0.
int highestWithAtLeast(const OneBased<int, 6> &count, int n)
{
    int found = 0;
    for (int f = 1; f <= 6; ++f) {
        if (count[f] >= n)
            found = f;
    }
    return found;
}

// "2+2:" and "3+2:": the lowest face on exactly n dice and the lowest other face on two or more.
int32_t twoGroups(const OneBased<int, 6> &count, int n)
{
    int first = 0;
    for (int f = 1; f <= 6 && first == 0; ++f) {
        if (count[f] == n)
            first = f;
    }
    int second = 0;
    for (int f = 1; f <= 6 && second == 0; ++f) {
        if (f != first && count[f] >= 2)
            second = f;
    }
    if (first == 0 || second == 0)
        return kStrike;
    return n * first + 2 * second;
}

int32_t straightValue(int throwNumber, int step)
{
    return std::abs(((throwNumber + 1) / 2 - 3) * step);
}

} // namespace

namespace
{

// What every rule needs of a hand, counted once.
struct HandCounts {
    OneBased<int, 6> count{};
    int sum = 0;
    bool straightCore = false;

    explicit HandCounts(const Hand &hand)
    {
        for (uint8_t face : hand) {
            ++count[face];
            sum += face;
        }
        straightCore = count[2] == 1 && count[3] == 1 && count[4] == 1 && count[5] == 1;
    }
};

int32_t valueOf(const HandCounts &h, uint8_t throwNumber, int combination)
{
    const auto &count = h.count;
    switch (combination) {
    case Ones:
    case Twos:
    case Threes:
    case Fours:
    case Fives:
    case Sixes:
        return count[combination] <= 2 ? kFaceStrike : combination * count[combination];
    case Pair:
    case ThreeOfAKind:
    case FourOfAKind: {
        const int n = combination - Pair + 2;
        const int face = highestWithAtLeast(count, n);
        return face == 0 ? kStrike : n * face;
    }
    case FiveOfAKind: {
        const int face = highestWithAtLeast(count, 5);
        if (face == 0)
            return kStrike;
        switch (throwNumber) {
        case 1:
            return 80;
        case 2:
            return 60;
        case 3:
            return 50;
        default:
            return 5 * face;
        }
    }
    case TwoPairs:
        return twoGroups(count, 2);
    case FullHouse:
        return twoGroups(count, 3);
    case SmallStraight:
        return h.straightCore && count[1] == 1 ? straightValue(throwNumber, 15) : kStrike;
    case LargeStraight:
        return h.straightCore && count[6] == 1 ? straightValue(throwNumber, 20) : kStrike;
    case LowSum:
        return 35 - h.sum;
    default:
        return h.sum;
    }
}

} // namespace

int32_t CombCheck(const Hand &hand, uint8_t throwNumber, int combination)
{
    return valueOf(HandCounts(hand), throwNumber, combination);
}

OneBased<int32_t, 16> CombCheckAll(const Hand &hand, uint8_t throwNumber)
{
    const HandCounts counts(hand);
    OneBased<int32_t, 16> values;
    for (int c = 1; c <= kCombinations; ++c)
        values[c] = valueOf(counts, throwNumber, c);
    return values;
}

int32_t FillCell(ScoreSheet &sheet, int combination, int32_t value, int bonusCombination,
                 CellColour *colour)
{
    CellColour shown;
    if (combination == bonusCombination) {
        value = WithBonus(value);
        shown = value > 0 ? CellColour::White : CellColour::Yellow;
    } else {
        shown = value < 0 ? CellColour::Navy : CellColour::Green;
    }
    if (colour)
        *colour = shown;
    sheet[combination] = value;
    sheet[kTotalCell] += value;
    return value;
}
