#pragma once

#include "game/coachmoment.h"
#include "game/gamebooking.h"
#include "game/gamescreen.h"

#include <string>

class Clock;
class DataFiles;
class GameView;
class MessageBoxes;
class RandomSource;

// One game of sixteen turns: the turn flow behind the game window, the computer moves and the
// booking of the result. The window forwards its clicks here and draws screen().
class DiceGame
{
public:
    struct Services {
        SharedData &data;
        DataFiles &files;
        RandomSource &random;
        MessageBoxes &boxes;
        const Clock &clock;
    };
    struct Result {
        bool recordsChanged = false;
        bool quit = false;
    };

    DiceGame(Services services, GameView &view);

    // Filled in by the competition before a game.
    int playerCount = 0;
    GamePlayers players{};

    // A practice game books nothing, touches no file and ends without a question when closed.
    void setPractice(bool practice) { m_practice = practice; }
    bool practice() const { return m_practice; }
    // Told of every choice of a human player; nullptr for none.
    void setWatcher(MoveWatcher *watcher) { m_watcher = watcher; }

    // Plays a whole game; show is false when only computers play.
    Result PlayGame(bool show, const std::string &caption);

    // The parts of PlayGame around the window's event loop.
    void start(bool show, const std::string &caption);
    Result finish();

    // Clicks forwarded by the window.
    void go();
    void toggleDie(int position);
    void clickDice(int x, int y);
    void holdAll();
    void write(int combination);
    // The window is being closed: true when it may hide.
    bool requestClose();

    // Shows a hint in the status line until the next step changes it.
    void showAdvice(const std::string &text);
    // The current player's turn as it stands.
    TurnMoment moment() const;

    // The value of a combination for the kept hand at the current throw.
    int32_t CombCheck(int combination) const;

    const GameScreen &screen() const { return m_screen; }
    const Standings &standings() const { return m_standings; }
    int currentPlayer() const { return m_current; }
    int turn() const { return m_turn; }
    int throwCounter() const { return m_throws; }
    int keptCount() const { return m_kept; }
    int bonusCombination() const { return m_bonus; }
    bool dieHeld(int position) const { return m_held[position]; }
    uint8_t dieFace(int position) const { return m_faces[position]; }

    static constexpr unsigned kDiePause = 200;

private:
    void throwStep();
    void writeStep();
    void nextPlayer();
    void playComputersOnly();
    void resetScreen(const std::string &caption);
    void showSheet();
    void showCell(int combination, int32_t value, CellColour colour);
    void showTotal();
    void rankAndShowPlace();
    void betweenTurns();
    void drawDie(bool show, uint8_t face, int row, int column);
    void clearDice();
    bool pause(unsigned ms);

    SharedData &m_data;
    DataFiles &m_files;
    RandomSource &m_random;
    MessageBoxes &m_boxes;
    const Clock &m_clock;
    GameView &m_view;

    GameScreen m_screen;
    int m_turn = 0;
    int m_current = 0;
    int m_throws = 5;
    int m_kept = 5;
    Hand m_hand{};
    OneBased<uint8_t, 5> m_faces{};
    OneBased<bool, 5> m_held{};
    int m_bonus = 0;
    Standings m_standings{};
    Standings m_previous{};
    bool m_quit = false;
    bool m_dieSound = true;
    bool m_practice = false;
    MoveWatcher *m_watcher = nullptr;
};
