#include "coach/coach.h"

#include "coach/coachdice.h"
#include "game/scoring.h"

#include <algorithm>
#include <array>

using namespace coachdice;

namespace
{

int diceSetOf(const std::vector<uint8_t> &faces)
{
    return diceSets().indexOf(faces);
}

std::vector<uint8_t> joined(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b)
{
    std::vector<uint8_t> all = a;
    all.insert(all.end(), b.begin(), b.end());
    std::sort(all.begin(), all.end());
    return all;
}

} // namespace

void Coach::prepare(uint16_t open, int bonus)
{
    const int lane = bonus <= kCombinations && (open & (1u << (bonus - 1))) ? bonus : 0;
    if (open == m_solvedOpen && lane == m_solvedBonus)
        return;
    m_turn.solve(open, {lane}, m_table.values());
    m_solvedOpen = open;
    m_solvedBonus = lane;
}

CoachMove KeepMove(const TurnMoment &moment, const std::vector<uint8_t> &held)
{
    CoachMove move;
    move.kind = CoachMove::Kind::Keep;
    move.keep = joined(moment.kept, held);
    if (KeptDiceGivenBack(moment.throwNumber, int(move.keep.size())))
        move.keep.clear();
    return move;
}

std::vector<CoachMove> Coach::advise(const TurnMoment &moment)
{
    std::vector<CoachMove> moves;
    const uint16_t open = OpenSetOf(moment.sheet);
    if (open == 0)
        return moves;
    prepare(open, moment.bonus);
    const double total = moment.sheet[kTotalCell];
    const int t = moment.throwNumber;

    if (t == 0) {
        moves.push_back({CoachMove::Kind::Throw, {}, 0, 0, total + m_turn.turnValue(0)});
        return moves;
    }
    if (moment.kept.size() + moment.thrown.size() != 5)
        return moves;
    auto stopAt = [&](const std::vector<uint8_t> &hand, CoachMove::Kind kind) {
        const int set = diceSetOf(hand);
        for (int c = 1; c <= kCombinations; ++c) {
            if (!(open & (1u << (c - 1))))
                continue;
            const CoachMove move{kind, hand, c, m_turn.writePoints(c, set, t, 0),
                                 total + m_turn.writeValueOf(c, set, t, 0)};
            if (kind == CoachMove::Kind::Write || c == m_turn.bestWrite(set, t, 0))
                moves.push_back(move);
        }
    };
    if (moment.thrown.empty() || t == 3) {
        stopAt(joined(moment.kept, moment.thrown), CoachMove::Kind::Write);
    } else {
        // Every distinct part of the thrown dice that may be held.
        std::array<int, 7> most{};
        for (uint8_t face : moment.thrown)
            ++most[face];
        std::array<int, 7> take{};
        while (true) {
            std::vector<uint8_t> held;
            for (int f = 1; f <= 6; ++f)
                held.insert(held.end(), std::size_t(take[f]), uint8_t(f));
            CoachMove move = KeepMove(moment, held);
            // A hold that is given back is the same move as holding none.
            const bool givenBack = KeptDiceGivenBack(t, int(held.size()));
            if (move.keep.size() == 5) {
                stopAt(move.keep, CoachMove::Kind::Keep);
            } else if (!givenBack) {
                move.expected = total + m_turn.keepValue(diceSetOf(move.keep), t, 0);
                moves.push_back(move);
            }
            int f = 1;
            while (f <= 6 && take[f] == most[f])
                take[f++] = 0;
            if (f > 6)
                break;
            ++take[f];
        }
    }
    std::stable_sort(moves.begin(), moves.end(), [](const CoachMove &a, const CoachMove &b) {
        return a.expected > b.expected;
    });
    return moves;
}
