#pragma once

#include "coach/solverinterface.h"

#include <cstdint>
#include <string>
#include <vector>

// One choice of the player held against the best move at that moment.
struct ReviewedChoice {
    int turn = 0;
    int throwNumber = 0;
    std::vector<uint8_t> dice; // the kept and the thrown dice, sorted
    CoachMove chosen, best;
    double loss = 0; // difference of expected totals, never luck
};

// Watches a practice game and weighs every choice of the player by the coach's table.
class PracticeReview : public MoveWatcher
{
public:
    explicit PracticeReview(SolverInterface &coach) : m_coach(coach) {}

    // The player is not asked: everything the review is told is weighed.
    void keepChosen(int player, int turn, const TurnMoment &moment,
                    const std::vector<uint8_t> &held) override;
    void writeChosen(int player, int turn, const TurnMoment &moment, int combination) override;
    // A move taken back is not reviewed; the keeps that led to the write stand.
    void takenBack(int player, int turn) override;

    const std::vector<ReviewedChoice> &choices() const { return m_choices; }
    double givenAway() const;
    // The costliest choices with a loss, costliest first (earlier first among equals).
    std::vector<ReviewedChoice> costliest(std::size_t count) const;

private:
    void weigh(int turn, const TurnMoment &moment, const CoachMove &chosen);

    SolverInterface &m_coach;
    std::vector<ReviewedChoice> m_choices;
};

// The review shown at the end: the total, best play's expected total, the points given away
// and the three costliest choices.
std::string ReviewText(const PracticeReview &review, int32_t total, double bestTotal);
