#include "coach/gamejudge.h"

#include "coach/movetext.h"
#include "coach/practicereview.h"
#include "data/datafiles.h"
#include "data/verdictbook.h"
#include "platform/clock.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace
{

TJudgedChoice judgedChoice(const CoachMove &move, const std::vector<uint8_t> &hand)
{
    TJudgedChoice choice{};
    const bool written = move.kind == CoachMove::Kind::Write;
    choice.Kind = written ? kWrittenChoice : kKeptChoice;
    // Keeping all five dice stops the turn: the combination then written goes along.
    choice.Combination = uint8_t(move.combination);
    const auto &dice = written ? hand : move.keep;
    std::copy_n(dice.begin(), std::min<std::size_t>(dice.size(), 5), choice.Dice.begin());
    return choice;
}

// The move a stored choice made, with the points of a written hand.
std::optional<CoachMove> coachMove(const TJudgedChoice &choice, int throwNumber)
{
    CoachMove move;
    std::vector<uint8_t> dice;
    for (const uint8_t face : choice.Dice.items) {
        if (face >= 1 && face <= 6)
            dice.push_back(face);
    }
    const bool named = choice.Combination >= 1 && choice.Combination <= kCombinations;
    move.combination = choice.Combination;
    if (choice.Kind == kWrittenChoice) {
        move.kind = CoachMove::Kind::Write;
        if (!named || dice.size() != 5)
            return std::nullopt;
    } else if (choice.Kind == kKeptChoice) {
        move.kind = CoachMove::Kind::Keep;
        move.keep = dice;
        // Keeping all five stops the turn and writes; fewer write nothing.
        if (named != (dice.size() == 5))
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (named) {
        Hand hand{};
        std::copy(dice.begin(), dice.end(), hand.items);
        move.points = CombCheck(hand, uint8_t(throwNumber), move.combination);
    }
    return move;
}

} // namespace

std::string JudgedMoveText(const TJudgedMove &move)
{
    if (move.Turn < 1 || move.Turn > kCombinations || move.Throw < 1 || move.Throw > 3)
        return {};
    const auto chosen = coachMove(move.Chosen, move.Throw);
    const auto best = coachMove(move.Best, move.Throw);
    if (!chosen || !best)
        return {};
    return "Ход " + std::to_string(move.Turn) + ", бросок " + std::to_string(move.Throw) + ": «" +
           MoveText(*chosen) + "», лучше «" + MoveText(*best) + "», потеряно " +
           PointsText(move.Cost);
}

void ChoiceLog::keepChosen(int player, int turn, const TurnMoment &moment,
                           const std::vector<uint8_t> &held)
{
    m_choices.push_back({player, turn, moment, held, 0});
}

void ChoiceLog::writeChosen(int player, int turn, const TurnMoment &moment, int combination)
{
    m_choices.push_back({player, turn, moment, {}, combination});
}

void ChoiceLog::replay(int player, MoveWatcher &watcher) const
{
    for (const Choice &choice : m_choices) {
        if (choice.player != player)
            continue;
        if (choice.combination != 0)
            watcher.writeChosen(player, choice.turn, choice.moment, choice.combination);
        else
            watcher.keepChosen(player, choice.turn, choice.moment, choice.held);
    }
}

TJudgedGame JudgeGame(SolverInterface &coach, const ChoiceLog &log, int player, int32_t total,
                      double date)
{
    PracticeReview review(coach);
    log.replay(player, review);
    TJudgedGame game{};
    game.Date = date;
    game.Total = total;
    game.BestTotal = coach.freshTotal();
    game.GivenAway = review.givenAway();
    const auto worst = review.costliest(3);
    for (std::size_t k = 0; k < worst.size(); ++k) {
        const ReviewedChoice &choice = worst[k];
        TJudgedMove &move = game.Costliest[k + 1];
        move.Turn = uint8_t(choice.turn);
        move.Throw = uint8_t(choice.throwNumber);
        move.Cost = choice.loss;
        move.Chosen = judgedChoice(choice.chosen, choice.dice);
        move.Best = judgedChoice(choice.best, choice.dice);
    }
    return game;
}

DiceGame::Result GameJudge::play(DiceGame &game, GameSetup setup)
{
    m_log.clear();
    setup.watcher = &m_log;
    const DiceGame::Result result = game.PlayGame(setup);
    if (result.quit)
        return result;
    NotedGame noted{m_log, {}, m_s.clock.today()};
    for (int seat = 1; seat <= game.playerCount(); ++seat) {
        const GamePlayer &player = game.players()[seat];
        if (player.isHuman() && IsMemberEntry(FindRatingEntry(m_s.data, player)))
            noted.members.push_back({seat, player.name, player.sheet[kTotalCell]});
    }
    if (!noted.members.empty())
        m_noted.push_back(std::move(noted));
    m_log.clear();
    return result;
}

void GameJudge::judgeNoted()
{
    const std::vector<NotedGame> games = std::move(m_noted);
    m_noted.clear();
    if (games.empty())
        return;
    SolverInterface *coach = m_s.makeReady();
    if (!coach)
        return;
    // The games are counted already: a verdict that cannot be made is only missing.
    try {
        for (const NotedGame &game : games) {
            for (const Member &member : game.members)
                AddJudgedGame(m_s.data, member.name,
                              JudgeGame(*coach, game.log, member.seat, member.total, game.date));
        }
    } catch (const std::exception &) {
        return;
    }
    m_s.files.SaveVerdicts();
}
