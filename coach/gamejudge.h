#pragma once

#include "data/verdicts.h"
#include "game/dicegame.h"
#include "game/movewatcher.h"

#include <functional>
#include <string>
#include <vector>

class Clock;
class SolverInterface;

// The choices of every human seat of a game, kept as they are made: the coach weighs them only
// after the game, so a real game never waits for it.
class ChoiceLog : public MoveWatcher
{
public:
    void keepChosen(int player, int turn, const TurnMoment &moment,
                    const std::vector<uint8_t> &held) override;
    void writeChosen(int player, int turn, const TurnMoment &moment, int combination) override;

    void clear() { m_choices.clear(); }
    // Tells watcher the choices of one seat in the order they were made.
    void replay(int player, MoveWatcher &watcher) const;

private:
    struct Choice {
        int player = 0;
        int turn = 0;
        TurnMoment moment;
        std::vector<uint8_t> held; // a keep
        int combination = 0;       // a write; 0 for a keep
    };
    std::vector<Choice> m_choices;
};

// The coach's verdict on one seat's game: its total, best play's expected total from a fresh
// sheet, the points its choices gave away and the three costliest of them.
TJudgedGame JudgeGame(SolverInterface &coach, const ChoiceLog &log, int player, int32_t total,
                      double date);

// A judged decision in words: the turn, the throw, the choice, best play's choice and the cost.
// Empty for a move a hand-edited file made unreadable.
std::string JudgedMoveText(const TJudgedMove &move);

// The coach in real games: it watches the club members' choices unseen (no advice, nothing
// drawn) and, once the round has counted and saved the games, adds a verdict on each member's
// game and writes vertoxwn.stt. The four data files are never touched here.
class GameJudge
{
public:
    // The coach, made ready under a progress window when he must be; nullptr when the player
    // stopped that: the games then simply go unjudged.
    using MakeReady = std::function<SolverInterface *()>;
    struct Services {
        SharedData &data;
        DataFiles &files;
        const Clock &clock;
        MakeReady makeReady;
    };
    explicit GameJudge(Services services) : m_s(std::move(services)) {}

    // Plays one game of a competition as DiceGame::PlayGame does and notes its members' choices.
    DiceGame::Result play(DiceGame &game, GameSetup setup);
    // Judges the games noted since the last call. The round calls it once its save file is
    // written, so a judging that fails or is killed loses nothing but the verdicts.
    void judgeNoted();

private:
    struct Member {
        int seat = 0;
        Str17 name;
        int32_t total = 0;
    };
    struct NotedGame {
        ChoiceLog log;
        std::vector<Member> members;
        double date = 0;
    };

    Services m_s;
    ChoiceLog m_log;
    std::vector<NotedGame> m_noted;
};
