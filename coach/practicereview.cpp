#include "coach/practicereview.h"

#include "coach/movetext.h"

#include <algorithm>

namespace
{

// Losses below this are rounding, not a worse move.
constexpr double kNoLoss = 1e-9;

bool sameMove(const CoachMove &a, const CoachMove &b)
{
    if (a.kind != b.kind)
        return false;
    return a.kind == CoachMove::Kind::Write ? a.combination == b.combination : a.keep == b.keep;
}

} // namespace

void PracticeReview::keepChosen(int, int turn, const TurnMoment &moment,
                                const std::vector<uint8_t> &held)
{
    weigh(turn, moment, KeepMove(moment, held));
}

void PracticeReview::writeChosen(int, int turn, const TurnMoment &moment, int combination)
{
    CoachMove chosen;
    chosen.kind = CoachMove::Kind::Write;
    chosen.combination = combination;
    weigh(turn, moment, chosen);
}

void PracticeReview::takenBack(int, int turn)
{
    std::erase_if(m_choices, [turn](const ReviewedChoice &choice) {
        return choice.turn > turn ||
               (choice.turn == turn && choice.chosen.kind == CoachMove::Kind::Write);
    });
}

void PracticeReview::weigh(int turn, const TurnMoment &moment, const CoachMove &chosen)
{
    const auto moves = m_coach.advise(moment);
    const auto found = std::find_if(moves.begin(), moves.end(),
                                    [&](const CoachMove &m) { return sameMove(m, chosen); });
    if (found == moves.end())
        return;
    ReviewedChoice choice;
    choice.turn = turn;
    choice.throwNumber = moment.throwNumber;
    choice.dice = moment.kept;
    choice.dice.insert(choice.dice.end(), moment.thrown.begin(), moment.thrown.end());
    std::sort(choice.dice.begin(), choice.dice.end());
    choice.chosen = *found;
    choice.best = moves.front();
    choice.loss = std::max(0.0, choice.best.expected - found->expected);
    m_choices.push_back(choice);
}

double PracticeReview::givenAway() const
{
    double sum = 0;
    for (const auto &choice : m_choices)
        sum += choice.loss;
    return sum;
}

std::vector<ReviewedChoice> PracticeReview::costliest(std::size_t count) const
{
    std::vector<ReviewedChoice> lost;
    for (const auto &choice : m_choices) {
        if (choice.loss > kNoLoss)
            lost.push_back(choice);
    }
    std::stable_sort(lost.begin(), lost.end(),
                     [](const auto &a, const auto &b) { return a.loss > b.loss; });
    if (lost.size() > count)
        lost.resize(count);
    return lost;
}

std::string ReviewText(const PracticeReview &review, int32_t total, double bestTotal)
{
    std::string text = "Ваш итог: " + std::to_string(total) + ".\n";
    text += "Лучшая игра с первого хода даёт в среднем " + PointsText(bestTotal) + ".\n";
    text += "Отдано выбором ходов: " + PointsText(review.givenAway()) + ".";
    const auto worst = review.costliest(3);
    if (worst.empty())
        return text + "\nВсе решения были лучшими!";
    text += "\nСамые дорогие решения:";
    for (const auto &choice : worst) {
        text += "\nХод " + std::to_string(choice.turn) + ", бросок " +
                std::to_string(choice.throwNumber) + " (" + FacesText(choice.dice) + "): лучше «" +
                MoveText(choice.best) + "», потеряно " + PointsText(choice.loss);
    }
    return text;
}
