#include "game/computerplayer.h"

#include "platform/randomsource.h"

#include <cmath>

namespace
{

bool anyOpen(const ScoreSheet &sheet, int from, int to)
{
    for (int c = from; c <= to; ++c) {
        if (sheet[c] == 0)
            return true;
    }
    return false;
}

int32_t sumValue(int o)
{
    if (o <= 3)
        return o + 15;
    if (o <= 9)
        return (o - 4) / 2 + 19;
    if (o <= 33)
        return (o - 10) / 4 + 21;
    if (o <= 39)
        return (o - 34) / 2 + 27;
    return 30;
}

// Face letters that make the verb feminine: А, Ь, Я, а, ь, я in code page 1251.
bool takesFeminineVerb(char last)
{
    switch (uint8_t(last)) {
    case 0xC0:
    case 0xDC:
    case 0xDF:
    case 0xE0:
    case 0xFC:
    case 0xFF:
        return true;
    default:
        return false;
    }
}

} // namespace

int ComputerStrength(int e, int difficulty, int level)
{
    const int group = (level + 3) / 4;
    const long double k = 0.06L * difficulty + 0.66L + 0.01L * (6 - group);
    // nearbyint rounds exact halves to even in the default rounding mode.
    return int(std::nearbyint(e * k));
}

int32_t ComputerValue(int combination, int strength, int low1, int low2, int low3)
{
    switch (combination) {
    case Ones:
    case Twos:
    case Threes:
    case Fours:
    case Fives:
    case Sixes:
        if (strength <= 12)
            return 0;
        return strength <= 33   ? 3 * combination
               : strength <= 39 ? 4 * combination
                                : 5 * combination;
    case Pair:
        return strength <= 1 ? -10 : strength <= 16 ? 2 * low1 : 2 * (low1 + 3);
    case ThreeOfAKind:
        return strength <= 1 ? -10 : strength <= 16 ? 3 * low1 : 3 * (low1 + 3);
    case FourOfAKind:
        return strength <= 9 ? -10 : strength <= 26 ? 4 * low1 : 4 * (low1 + 3);
    case FiveOfAKind:
        return strength <= 28 ? -10 : strength <= 35 ? 50 : strength <= 39 ? 60 : 80;
    case TwoPairs:
        if (strength <= 7)
            return -10;
        if (strength <= 14)
            return 2 * (low1 + low3);
        return strength <= 30 ? 2 * (low1 + low2 + 3) : 2 * (low1 + low3 + 6);
    case FullHouse:
        if (strength <= 12)
            return -10;
        if (strength <= 16)
            return 3 * low1 + 2 * low3;
        if (strength <= 24)
            return 3 * low1 + 2 * (low2 + 3);
        return strength <= 32 ? 3 * (low1 + 3) + 2 * low2 : 3 * (low1 + 3) + 2 * (low3 + 3);
    case SmallStraight:
        return strength <= 20 ? -10 : strength <= 29 ? 15 : 30;
    case LargeStraight:
        return strength <= 20 ? -10 : strength <= 29 ? 20 : 40;
    default:
        return sumValue(strength);
    }
}

ComputerMoveResult ComputerMove(ScoreSheet &sheet, int bonusCombination, int difficulty, int level,
                                RandomSource &random)
{
    for (;;) {
        int b = random.uniform(1, kCombinations);
        while (sheet[b] != 0)
            b = random.uniform(1, kCombinations);
        const int e = random.uniform(1, 40);
        const int o = ComputerStrength(e, difficulty, level);
        const int r1 = random.uniform(1, 3);
        const int r2 = random.uniform(1, 3);
        int r3 = random.uniform(1, 3);
        while (r3 == r1)
            r3 = random.uniform(1, 3);

        int32_t v = ComputerValue(b, o, r1, r2, r3);
        if (v == 0) {
            // A face row is struck only when no combination from "Пара:" to "Бол.Стрит:" is open.
            if (anyOpen(sheet, Pair, LargeStraight))
                continue;
            v = -40;
        }
        ComputerMoveResult result{b, 0, CellColour::Green};
        result.value = FillCell(sheet, b, v, bonusCombination, &result.colour);
        return result;
    }
}

std::string ComputerMoveText(const Str17 &name, int32_t value)
{
    // Russian counts by the last two digits of the magnitude: 1 but not 11, 2..4 but not 12..14.
    const int64_t magnitude = value < 0 ? -int64_t(value) : value;
    const int64_t last = magnitude % 10, lastTwo = magnitude % 100;
    const char *ending = "ов";
    if (last == 1 && lastTwo != 11)
        ending = "о";
    else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        ending = "а";
    return name.text() + " получил" + (takesFeminineVerb(name.last()) ? "а" : " ") + " " +
           std::to_string(value) + " очк" + ending + ".";
}
