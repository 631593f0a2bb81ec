#include "coach/coachturn.h"

#include "coach/coachdice.h"
#include "game/scoring.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

using namespace coachdice;

namespace
{

constexpr double kNone = -std::numeric_limits<double>::infinity();

// Every hand's value in every combination on every throw, from the game's own valuation, and
// which combinations that valuation scores by the throw number (bit c-1 for combination c).
struct HandValues {
    int8_t value[3][kHands][kCombinations + 1];
    uint16_t byThrow = 0;

    HandValues()
    {
        const DiceSets &dice = diceSets();
        for (int h = 0; h < kHands; ++h) {
            const auto faces = dice.faces(dice.hands[h]);
            Hand hand;
            for (int i = 1; i <= 5; ++i)
                hand[i] = faces[i - 1];
            for (int t = 1; t <= 3; ++t) {
                const auto values = CombCheckAll(hand, uint8_t(t));
                for (int c = 1; c <= kCombinations; ++c) {
                    value[t - 1][h][c] = int8_t(values[c]);
                    if (values[c] != value[0][h][c])
                        byThrow |= uint16_t(1u << (c - 1));
                }
            }
        }
    }
};

const HandValues &handValues()
{
    static const HandValues values;
    return values;
}

// For each kept set before the third throw, the hands the throw can make and their chances.
struct ThirdThrows {
    std::vector<int> begin;
    std::vector<Outcome> outcomes;

    ThirdThrows()
    {
        const DiceSets &dice = diceSets();
        for (int kept = 0; kept < dice.bySize[5]; ++kept) {
            begin.push_back(int(outcomes.size()));
            for (const Outcome &roll : dice.rolls[5 - dice.sets[kept].size])
                outcomes.push_back({int16_t(dice.join(kept, roll.set)), roll.chance});
        }
        begin.push_back(int(outcomes.size()));
    }
};

const ThirdThrows &thirdThrows()
{
    static const ThirdThrows throws;
    return throws;
}

// After the second throw, for each kept set (not one given back): every set X of the thrown dice
// that may join it, the set they make together and X with one die fewer of each face.
struct SecondChoices {
    struct Step {
        int16_t x;
        int16_t joined;
        bool five;
        int8_t fewerCount;
        int16_t fewer[5];
    };
    std::vector<int> begin;
    std::vector<Step> steps;
    std::vector<int> givenBack; // the kept sets given back after the first throw

    SecondChoices()
    {
        const DiceSets &dice = diceSets();
        for (int kept = 0; kept < dice.bySize[5]; ++kept) {
            begin.push_back(int(steps.size()));
            const int size = dice.sets[kept].size;
            if (KeptDiceGivenBack(1, size)) {
                givenBack.push_back(kept);
                continue;
            }
            for (int x = 0; x < dice.bySize[5 - size + 1]; ++x) {
                Step step{int16_t(x), int16_t(dice.join(kept, x)), false, 0, {}};
                step.five = dice.sets[step.joined].size == 5;
                for (int f = 1; f <= 6; ++f) {
                    if (dice.sets[x].minus[f] >= 0)
                        step.fewer[step.fewerCount++] = dice.sets[x].minus[f];
                }
                steps.push_back(step);
            }
        }
        begin.push_back(int(steps.size()));
    }
};

const SecondChoices &secondChoices()
{
    static const SecondChoices choices;
    return choices;
}

template <int N> void maxInto(double *out, const double *other)
{
    for (int l = 0; l < N; ++l)
        out[l] = std::max(out[l], other[l]);
}

template <int N> void addScaled(double *out, double chance, const double *other)
{
    for (int l = 0; l < N; ++l)
        out[l] += chance * other[l];
}

template <int N> void copy(double *out, const double *from)
{
    for (int l = 0; l < N; ++l)
        out[l] = from[l];
}

} // namespace

void CoachTurn::solve(uint16_t open, const std::vector<int> &bonuses, const double *rest)
{
    m_open = open;
    m_lanes = int(bonuses.size());
    m_bonus = bonuses;
    for (int c = 1; c <= kCombinations; ++c) {
        const uint16_t bit = uint16_t(1u << (c - 1));
        m_rest[c] = (open & bit) ? rest[open & ~bit] : 0.0;
    }
    const std::size_t size = std::size_t(kSets) * std::size_t(m_lanes);
    for (auto *values : {&m_write1, &m_write2, &m_third, &m_second, &m_choice})
        values->assign(size, 0.0);
    m_turn.assign(std::size_t(m_lanes), 0.0);
    writeStep();
    static constexpr auto kThrows = []<std::size_t... I>(std::index_sequence<I...>)
    {
        return std::array{&CoachTurn::throws<int(I) + 1>...};
    }
    (std::make_index_sequence<kMaxLanes>{});
    (this->*kThrows[std::size_t(m_lanes - 1)])();
}

void CoachTurn::writeStep()
{
    const DiceSets &dice = diceSets();
    const HandValues &values = handValues();
    int plain[kCombinations], byThrow[kCombinations];
    int plainCount = 0, byThrowCount = 0;
    for (int c = 1; c <= kCombinations; ++c) {
        const uint16_t bit = uint16_t(1u << (c - 1));
        if (m_open & bit) {
            if (values.byThrow & bit)
                byThrow[byThrowCount++] = c;
            else
                plain[plainCount++] = c;
        }
    }
    // The best and second best writes; a bonus lane changes only its own combination.
    struct Top {
        double best = kNone, second = kNone;
        int combination = 0;
        void offer(double v, int c)
        {
            if (v > best) {
                second = best;
                best = v;
                combination = c;
            } else if (v > second) {
                second = v;
            }
        }
    };
    for (int h = 0; h < kHands; ++h) {
        const int set = dice.hands[h];
        Top common;
        for (int i = 0; i < plainCount; ++i)
            common.offer(values.value[0][h][plain[i]] + m_rest[plain[i]], plain[i]);
        for (int t = 1; t <= 3; ++t) {
            const int8_t *value = values.value[t - 1][h];
            Top top = common;
            for (int i = 0; i < byThrowCount; ++i)
                top.offer(value[byThrow[i]] + m_rest[byThrow[i]], byThrow[i]);
            double *out = at(t == 1 ? m_write1 : t == 2 ? m_write2 : m_third, set);
            for (int l = 0; l < m_lanes; ++l) {
                const int b = m_bonus[l];
                if (b == 0 || !(m_open & (1u << (b - 1)))) {
                    out[l] = top.best;
                    continue;
                }
                const double others = b == top.combination ? top.second : top.best;
                out[l] = std::max(others, WithBonus(value[b]) + m_rest[b]);
            }
        }
    }
}

template <int N> void CoachTurn::throws()
{
    const DiceSets &dice = diceSets();
    const int fewerThanFive = dice.bySize[5];

    // Before the third throw: the chances of the hands it can make.
    const ThirdThrows &third = thirdThrows();
    for (int set = 0; set < fewerThanFive; ++set) {
        double *out = at(m_third, set);
        for (int i = third.begin[set]; i < third.begin[set + 1]; ++i) {
            const Outcome &o = third.outcomes[std::size_t(i)];
            addScaled<N>(out, o.chance, at(m_third, o.set));
        }
    }

    // After the second throw the dice kept so far stay and any of the thrown ones may join
    // them: choice[X] is the best of keeping kept + any part of X.
    const SecondChoices &second = secondChoices();
    for (int kept = 0; kept < fewerThanFive; ++kept) {
        const int size = dice.sets[kept].size;
        if (KeptDiceGivenBack(1, size))
            continue;
        for (int i = second.begin[kept]; i < second.begin[kept + 1]; ++i) {
            const SecondChoices::Step &step = second.steps[std::size_t(i)];
            double *out = at(m_choice, step.x);
            copy<N>(out, at(step.five ? m_write2 : m_third, step.joined));
            for (int f = 0; f < step.fewerCount; ++f)
                maxInto<N>(out, at(m_choice, step.fewer[f]));
        }
        double *out = at(m_second, kept);
        for (const Outcome &roll : dice.rolls[5 - size])
            addScaled<N>(out, roll.chance, at(m_choice, roll.set));
    }
    // A hold given back after the first throw is worth keeping none.
    for (int set : second.givenBack)
        copy<N>(at(m_second, set), at(m_second, 0));

    // After the first throw: choice[K] is the best of keeping any part of K.
    for (int set = 0; set < fewerThanFive; ++set) {
        double *out = at(m_choice, set);
        copy<N>(out, at(m_second, set));
        for (int f = 1; f <= 6; ++f) {
            const int fewer = dice.sets[set].minus[f];
            if (fewer >= 0)
                maxInto<N>(out, at(m_choice, fewer));
        }
    }
    double turn[N] = {};
    for (const Outcome &roll : dice.rolls[5]) {
        double best[N];
        copy<N>(best, at(m_write1, roll.set));
        for (int f = 1; f <= 6; ++f) {
            const int fewer = dice.sets[roll.set].minus[f];
            if (fewer >= 0)
                maxInto<N>(best, at(m_choice, fewer));
        }
        addScaled<N>(turn, roll.chance, best);
    }
    copy<N>(m_turn.data(), turn);
}

double CoachTurn::writeValue(int hand, int throwNumber, int lane) const
{
    const auto &values = throwNumber == 1 ? m_write1 : throwNumber == 2 ? m_write2 : m_third;
    return values[std::size_t(hand * m_lanes + lane)];
}

int CoachTurn::writePoints(int combination, int hand, int throwNumber, int lane) const
{
    const int h = diceSets().sets[hand].hand;
    const int value = handValues().value[throwNumber - 1][h][combination];
    return m_bonus[std::size_t(lane)] == combination ? WithBonus(value) : value;
}

int CoachTurn::bestWrite(int hand, int throwNumber, int lane) const
{
    int best = 0;
    double bestValue = kNone;
    for (int c = 1; c <= kCombinations; ++c) {
        if (!(m_open & (1u << (c - 1))))
            continue;
        const double v = writeValueOf(c, hand, throwNumber, lane);
        if (v > bestValue) {
            bestValue = v;
            best = c;
        }
    }
    return best;
}

double CoachTurn::keepValue(int set, int throwNumber, int lane) const
{
    const auto &values = throwNumber == 1 ? m_second : m_third;
    return values[std::size_t(set * m_lanes + lane)];
}
