#pragma once

#include "data/datafiles.h"
#include "game/soundboard.h"
#include "game/tgameform.h"
#include "platform/clock.h"
#include "platform/eventpump.h"
#include "platform/sounddevice.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/tempfolder.h"
#include "tests/ui/pixels.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QLabel;

namespace gameformtest
{

// Returns at once, adding up the pauses asked for; onWait sees each pause first.
class InstantPump : public EventPump
{
public:
    void waitMs(unsigned ms) override
    {
        waited += ms;
        if (onWait)
            onWait(ms);
    }
    unsigned waited = 0;
    std::function<void(unsigned)> onWait;
};

// Records every file opened and played; names in unplayable fail to open.
class FakeSoundDevice : public SoundDevice
{
public:
    bool open(const std::string &file) override;
    void play() override;
    bool isPlaying() const override { return m_playing; }
    void stop() override { m_playing = false; }
    void close() override { m_playing = false; }

    std::set<std::string> unplayable;
    std::vector<std::string> opened;
    std::vector<std::string> played;

private:
    std::string m_current;
    bool m_playing = false;
};

// Everything a game window needs, in a temporary working folder with a club member "Аня".
class GameFormBase : public testing::Test
{
protected:
    GameFormBase();

    DiceGame::Services services(RandomSource &random);
    // Puts the die pictures the build generates into the working folder.
    void copyPictures() const;

    TempFolder folder;
    ScriptedBoxes boxes;
    ScriptedRandom random;
    FixedClock clock;
    InstantPump pump;
    FakeSoundDevice device;
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    DataFiles files{*data, boxes, folder.path()};
    SoundBoard sounds{data->SoundOn, device};
};

// A created window and the means to play through its real buttons.
class GameFormTest : public GameFormBase
{
protected:
    void SetUp() override;

    // Seats in player order: a name and its computer level (0 for a human).
    void seat(std::initializer_list<std::pair<const char *, int>> seats);

    // Runs script inside the game's own event loop; a game still running afterwards is quit
    // through the window, so a failing script cannot hang the test.
    DiceGame::Result play(const std::function<void()> &script,
                          const std::string &caption = "Турнир(1 тур)");

    QAbstractButton *button(const QString &name) const;
    QLabel *label(const QString &name) const;
    QString cell(int row) const;
    void click(const QString &name);
    void clickDice(int x, int y);
    void key(int key);

    // "Начать" or "Дальше" into a human turn with this bonus draw.
    void beginHumanTurn(int bonus);
    // The button that throws, after the next faces are scripted.
    void throwDice(const QString &button, std::initializer_list<int> faces);
    // "Дальше" into a computer turn that fills combination with strength e, faces 1, 1, 2.
    void computerTurn(int bonus, int combination, int e);

    // The window as drawn, and where a widget sits in it.
    QImage shot() const;
    QRect placeIn(const QWidget *widget) const;
    QRect dieCell(int row, int column) const;
    QImage face(int face) const;

    std::unique_ptr<TGameForm> form;
    GameSetup setup;
};

} // namespace gameformtest
