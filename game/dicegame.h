#pragma once

#include "game/gamebooking.h"
#include "game/gamescreen.h"
#include "game/gamesetup.h"
#include "game/movewatcher.h"

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

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

    // Plays a whole game as setup names it.
    Result PlayGame(const GameSetup &setup);

    // The parts of PlayGame around the window's event loop. finish keeps the players and their
    // sheets to be read, and lets go of the rest of the setup: its watcher, hints and
    // demonstration belong to that game alone.
    void start(const GameSetup &setup);
    Result finish();

    // The game under way, or the last one played.
    const GameSetup &setup() const { return m_setup; }
    const GamePlayers &players() const { return m_setup.players; }
    int playerCount() const { return m_setup.playerCount; }
    // A seat's sheet, for a view that scores a shown game on its own rather than through the
    // window's clicks.
    ScoreSheet &sheet(int seat) { return m_setup.players[std::size_t(seat)].sheet; }

    // Makes moves that are not the player's own choices (the coach's demonstration): no watcher
    // hears of them.
    void unwatched(const std::function<void()> &moves);

    // Clicks forwarded by the window.
    void go();
    void toggleDie(int position);
    // A click on a die cell of the dice picture: row kUpperRow or kLowerRow, column 1..5.
    void clickDieCell(int row, int column);
    void holdAll();
    // askToStrike false strikes without the question, for a move the player did not make.
    void write(int combination, bool askToStrike = true);
    // The window is being closed: true when it may hide.
    bool requestClose();

    // Practice only: takes back the last write or strike, to the moment before it. The dice of
    // every turn stay as drawn, so a turn played again never throws anew.
    bool canUndo() const;
    void undo();

    // Shows a hint in the status line until the next step changes it.
    void showAdvice(const std::string &text);
    // Refreshes the window and waits with its events handled; false once the game is over.
    bool pause(unsigned ms);
    bool inProgress() const;
    // A step is under way (its dice are being thrown): nothing else may act meanwhile.
    bool busy() const { return m_busy; }
    // The current player is a human in the middle of a turn (the throws, not between turns).
    bool humanTurn() const;
    // The current player's turn as it stands.
    TurnMoment moment() const;

    // The value of a combination for the kept hand at the current throw.
    int32_t CombCheck(int combination) const;

    const GameScreen &screen() const { return m_screen; }
    const Standings &standings() const { return m_standings; }
    int currentPlayer() const { return m_current; }
    int turn() const { return m_turn; }
    // 0 before the first throw of a human turn, 1..3 after each throw, 5 between turns.
    int throwCounter() const;
    int keptCount() const { return m_kept; }
    int bonusCombination() const { return m_bonus; }
    bool dieHeld(int position) const { return m_held[position]; }
    uint8_t dieFace(int position) const { return m_faces[position]; }

    static constexpr unsigned kDiePause = 200;
    // The rows of the dice picture: thrown dice above, held and kept ones below.
    static constexpr int kUpperRow = 1;
    static constexpr int kLowerRow = 2;

private:
    // Where the turn stands, and so what "Ok", "Еще", "Хватит" and "Дальше" do next.
    enum class TurnPhase {
        BetweenTurns,     // the next player's turn comes
        BeforeFirstThrow, // a human's turn has begun: the first throw comes
        Throwing,         // after a throw: the next one, or writing when the hand is full
        Writing,          // the hand is full: only a write button goes on
    };

    void reportHeldDice();
    void throwStep();
    void keepHeldDice();
    void giveBackKeptDie();
    bool throwFreeDice(bool last);
    bool keepLastThrow();
    void offerHolding();
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
    MoveWatcher *watcher() const { return m_unwatched ? nullptr : m_setup.watcher; }
    // The faces and bonus drawn for one human turn, kept by seat and turn for the game.
    struct TurnDraws {
        int bonus = 0;
        std::vector<uint8_t> faces;
    };
    TurnDraws &draws();
    uint8_t nextFace();

    // Everything that makes the moment of a game: undo saves it before a write and puts it back.
    auto state()
    {
        return std::tie(m_setup.players, m_screen, m_turn, m_current, m_phase, m_throws, m_kept,
                        m_hand, m_faces, m_held, m_bonus, m_standings, m_previous, m_facesUsed);
    }
    using Snapshot =
        std::tuple<GamePlayers, GameScreen, int, int, TurnPhase, int, int, Hand,
                   OneBased<uint8_t, 5>, OneBased<bool, 5>, int, Standings, Standings, std::size_t>;

    SharedData &m_data;
    DataFiles &m_files;
    RandomSource &m_random;
    MessageBoxes &m_boxes;
    const Clock &m_clock;
    GameView &m_view;

    GameScreen m_screen;
    int m_turn = 0;
    int m_current = 0;
    TurnPhase m_phase = TurnPhase::BetweenTurns;
    int m_throws = 0; // of the current human turn
    int m_kept = 5;
    Hand m_hand{};
    OneBased<uint8_t, 5> m_faces{};
    OneBased<bool, 5> m_held{};
    int m_bonus = 0;
    Standings m_standings{};
    Standings m_previous{};
    bool m_quit = false;
    bool m_dieSound = true;
    GameSetup m_setup;
    bool m_unwatched = false;
    bool m_busy = false;
    std::vector<Snapshot> m_undo;
    std::map<std::pair<int, int>, TurnDraws> m_draws;
    std::size_t m_facesUsed = 0; // of the current turn's draws
};
