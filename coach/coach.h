#pragma once

#include "coach/coachtable.h"
#include "coach/coachturn.h"
#include "game/movewatcher.h"

#include <string>
#include <vector>

// A move open to the player, with the final total it leads to on average under best play.
struct CoachMove {
    enum class Kind { Throw, Keep, Write };
    Kind kind = Kind::Throw;
    // Keep: the whole kept hand after the move, sorted; all five dice mean stopping.
    std::vector<uint8_t> keep;
    // Write, and Keep of all five: the combination to write and the points it gets.
    int combination = 0;
    int points = 0;
    double expected = 0;
};

// Answers from the solved table for any moment of a turn.
class Coach
{
public:
    explicit Coach(const CoachTable &table) : m_table(table) {}

    // The expected total of best play over a whole game.
    double freshTotal() const { return m_table.value(CoachTable::kFreshSheet); }

    // Every move open at this moment, best first.
    std::vector<CoachMove> advise(const TurnMoment &moment);

    // The move a choice makes: the dice held among the thrown ones after throw 1 or 2.
    static CoachMove keepMove(const TurnMoment &moment, const std::vector<uint8_t> &held);

private:
    void prepare(uint16_t open, int bonus);

    const CoachTable &m_table;
    CoachTurn m_turn;
    int m_solvedOpen = -1;
    int m_solvedBonus = -1;
};

// The move in plain words: "Оставьте 3 3 5 и бросайте", "Запишите в «Тройка:»".
std::string MoveText(const CoachMove &move);
// The best move with its expected total and that of the next best.
std::string AdviceText(const std::vector<CoachMove> &moves);
// "3 3 5": faces as the player reads them.
std::string FacesText(const std::vector<uint8_t> &faces);
// 231,4: one decimal with a comma, whatever the desktop's locale.
std::string PointsText(double value);
