#pragma once

#include "app/programwindows.h"
#include "data/datafiles.h"
#include "game/soundboard.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/tempfolder.h"
#include "tests/ui/gameformfixture.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QWidget;

// The whole program on a folder of its own, with a robot that answers what comes up the way
// a player would: it types club members' passwords, plays the human turns of every shown game,
// presses "Дальше" in the round window and in the award dialog. Chance comes from a fixed seed.
class ProgramTest : public ::testing::Test
{
protected:
    // One game as the robot saw it end: the seats in order with their sheets.
    struct PlayedGame {
        int difficulty = 0;
        std::vector<GamePlayer> seats;
    };

    ProgramTest();
    ~ProgramTest() override;

    // Starts the program (again) on the folder: a new process's memory, the same files.
    void start();
    void stop();
    // The shared state and the windows on the folder, as the program makes them; nullptr where
    // the program would end at once.
    std::unique_ptr<ProgramWindows> createWindows();

    // The next modal window named objectName is handled by handle, once.
    void whenModal(const QString &objectName, std::function<void(QWidget *)> handle);
    // Sets up a competition through F2 or F3: the members chosen in this order, the rest as
    // given, written into slot.
    void newCompetition(int key, const std::vector<QString> &chosen, int participants,
                        int difficulty, int rounds, const QString &title, int slot);
    // Presses a button of the main window and returns when its action is over.
    void press(const QString &buttonName);
    void pressKey(int key);

    // The last game played, as its seats ended it.
    PlayedGame lastGame() const;

    std::map<std::string, std::string> passwords; // by member name, for the robot
    std::vector<PlayedGame> games;                // every game the robot saw end, in order

    TempFolder folder;
    ScriptedBoxes boxes;
    SeededRandom random{20261208};
    FixedClock clock;
    gameformtest::InstantPump pump;
    gameformtest::FakeSoundDevice device;
    std::unique_ptr<SharedData> data;
    std::unique_ptr<DataFiles> files;
    std::unique_ptr<SoundBoard> sounds;
    std::unique_ptr<ProgramWindows> windows;

private:
    void step();
    bool answerModal(QWidget *modal);
    void playHumanTurn();
    void act(std::function<void()> action);

    QTimer m_robot;
    bool m_acting = false;
    int m_unanswered = 0;
    std::deque<std::pair<QString, std::function<void(QWidget *)>>> m_modals;
};
