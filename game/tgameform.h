#pragma once

#include "game/dicegame.h"
#include "game/diepictures.h"
#include "game/gameview.h"

#include <QEventLoop>
#include <QIcon>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class EventPump;
class PictureBox;
class QAbstractButton;
class QLabel;
class QPushButton;
class QToolButton;
class SoundBoard;

// The game window: draws the game's screen state and forwards the player's clicks and keys to
// the game. Created once, when first needed, and reused for every game.
class TGameForm : public QWidget, public GameView
{
    Q_OBJECT

public:
    // Checks the sound files and reads the die pictures from folder (the working folder when
    // empty). Without usable pictures the error box is shown and nullopt returned: the program
    // has to end.
    static std::optional<DiePictures> prepare(MessageBoxes &boxes, SoundBoard &sounds,
                                              const QString &folder = QString());
    // prepare, then the window; nullptr where prepare fails.
    static std::unique_ptr<TGameForm> create(DiceGame::Services services, SoundBoard &sounds,
                                             EventPump &pump, const QString &folder = QString());
    // The window on what prepare gave.
    TGameForm(DiceGame::Services services, SoundBoard &sounds, EventPump &pump,
              DiePictures pictures);

    // The game: its players and their sheets are read after it.
    DiceGame &game() { return m_game; }

    // The setup's hint for the moment, shown on "?" and by the hint button.
    void showHint();
    // The setup's demonstration: F5 starts it, Escape or a click on the dice or the sheet hands
    // the game back.
    void startDemonstration();

    // Plays one game; the window is shown only when the setup shows it, and hidden at the end.
    DiceGame::Result PlayGame(const GameSetup &setup);

    void refresh() override;
    void playSound(int sound) override;
    void waitMs(unsigned ms) override;
    void runUntilOver() override;
    void gameOver() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createStatusPanel();
    void createPutPanel();
    void createPlaceImage();
    void createCubePanel();
    void showCells();
    // The player's input: it first hands a running demonstration back, and only then acts.
    void act(const std::function<void()> &action);
    bool handBack();
    // The undo control exists only while a practice game is played, the hint button only while
    // the game has hints.
    void setUndoControl(bool practice);
    void showHintButton(bool shown);
    void layOutStatusLine();

    SoundBoard &m_sounds;
    EventPump &m_pump;
    DiePictures m_pictures;
    DiceGame m_game;
    QEventLoop m_loop;
    QIcon m_writeIcon, m_strikeIcon, m_downIcon, m_upIcon;

    QLabel *m_playerName = nullptr;
    QLabel *m_placeNumber = nullptr;
    QLabel *m_turnNumber = nullptr;
    QLabel *m_diffNumber = nullptr;
    OneBased<QLabel *, 17> m_valueBoxes{};
    OneBased<QToolButton *, 16> m_writeButtons{};
    PictureBox *m_placeImage = nullptr;
    PictureBox *m_cubeImage = nullptr;
    OneBased<QToolButton *, 5> m_dieButtons{};
    QLabel *m_compTurn = nullptr;
    QPushButton *m_goButton = nullptr;
    QPushButton *m_elseButton = nullptr;
    QToolButton *m_allButton = nullptr;
    QLabel *m_statusBar = nullptr;
    QToolButton *m_hintButton = nullptr;
    QToolButton *m_undoButton = nullptr;
};
