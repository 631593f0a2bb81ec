#pragma once

#include "coach/coachtable.h"
#include "coach/coachturn.h"
#include "coach/solverinterface.h"

// Answers from the solved table for any moment of a turn.
class Coach : public SolverInterface
{
public:
    explicit Coach(const CoachTable &table) : m_table(table) {}

    double freshTotal() const override { return m_table.value(CoachTable::kFreshSheet); }
    std::vector<CoachMove> advise(const TurnMoment &moment) override;

private:
    void prepare(uint16_t open, int bonus);

    const CoachTable &m_table;
    CoachTurn m_turn;
    int m_solvedOpen = -1;
    int m_solvedBonus = -1;
};
