#include "game/gamestyle.h"
#include "platform/qtpaths.h"
#include "tests/ui/gameformfixture.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>

#include <gmock/gmock.h>

using namespace gameformtest;

namespace
{

const QColor kLime(0, 255, 0);
const QColor kAqua(0, 255, 255);

// Counts the times a widget is shown.
class ShowCounter : public QObject
{
public:
    int shown = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        shown += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

class GameFormGame : public GameFormTest
{
protected:
    QImage standings() const { return form->findChild<QWidget *>("PlaceImage")->grab().toImage(); }
    // Whether the name column of standings row a shows name alone, in ink.
    static testing::AssertionResult showsName(const QImage &picture, int a, const char *name,
                                              const QColor &ink)
    {
        return showsText(picture, QRect(32, 20 * a - 18, 150, 16), name, ink,
                         solidFont(gamestyle::textFont()));
    }
    std::vector<QString> sheet() const
    {
        std::vector<QString> cells;
        for (int row = 1; row <= kTotalCell; ++row)
            cells.push_back(cell(row));
        return cells;
    }

    // A human turn that writes "Бол.Сумма:" with five sixes: 30 without a bonus.
    void sixesIntoTheHighSum()
    {
        beginHumanTurn(25);
        throwDice("GoButton", {6, 6, 6, 6, 6});
        click("AllButton");
        click("ElseButton");
        click("WriteButton16");
    }
};

} // namespace

TEST_F(GameFormGame, EqualTotalsKeepTheLowerPlayerNumberFirst)
{
    // At difficulty 5 a computer in places 5..8 has strength e: 40 gives "Бол.Сумма:" 30.
    seat({{"Аня", 0}, {"Россия", 6}});
    play([&] {
        sixesIntoTheHighSum();
        computerTurn(25, 16, 40);
        EXPECT_EQ(label("CompTurnLabel")->text(), "Россия получила 30 очков.");
        EXPECT_EQ(cell(17), "30");
        EXPECT_EQ(label("PlaceNumberLabel")->text(), "2(0)");
        const QImage picture = standings();
        EXPECT_TRUE(showsName(picture, 1, "Аня", kLime));
        EXPECT_TRUE(showsName(picture, 2, "Россия", kAqua));
        // The computer's write button is only marked: a click on it writes nothing.
        const std::vector<QString> before = sheet();
        ASSERT_TRUE(button("WriteButton16")->isEnabled());
        click("WriteButton16");
        EXPECT_EQ(sheet(), before);
    });

    seat({{"Россия", 6}, {"Аня", 0}});
    play([&] {
        computerTurn(25, 16, 40);
        sixesIntoTheHighSum();
        EXPECT_EQ(label("PlaceNumberLabel")->text(), "2(0)");
        const QImage picture = standings();
        EXPECT_TRUE(showsName(picture, 1, "Россия", kAqua));
        EXPECT_TRUE(showsName(picture, 2, "Аня", kLime));
    });
}

TEST_F(GameFormGame, ClosingAsksAndQuittingBooksZeroForTheClubMember)
{
    seat({{"Аня", 0}, {"Россия", 6}});
    const TRatingEntry russiaBefore = data->Rating[6];
    const DiceGame::Result result = play([&] {
        sixesIntoTheHighSum();
        EXPECT_EQ(folder.read(kRatingFile)[30 * 248 + 232], kInGame);

        boxes.answer(false);
        form->close();
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(data->gameRunning);
        computerTurn(25, 16, 40);

        boxes.answer(true);
        form->close();
        EXPECT_FALSE(form->isVisible());
    });
    EXPECT_THAT(boxes.asked,
                testing::Each("Выйти из игры?\r\nЭто отрицательно скажется на ваших показателях."));
    EXPECT_EQ(boxes.asked.size(), 2u);
    EXPECT_TRUE(result.quit);
    EXPECT_FALSE(data->gameRunning);

    const TRatingEntry &anya = data->Rating[31];
    EXPECT_EQ(anya.Games, 1);
    EXPECT_EQ(anya.Last50[1], 0);
    EXPECT_EQ(anya.Status[1], 1);
    EXPECT_EQ(folder.read(kRatingFile)[30 * 248 + 232], 1);
    EXPECT_EQ(data->Rating[6].Games, russiaBefore.Games);
}

TEST_F(GameFormGame, SixteenTurnsEndTheGameAndHideTheWindow)
{
    seat({{"Аня", 0}});
    const DiceGame::Result result = play([&] {
        for (int row = 1; row <= 16; ++row) {
            beginHumanTurn(25);
            throwDice("GoButton", {6, 6, 6, 6, 6});
            click("AllButton");
            click("ElseButton");
            if (row <= 5 || (row >= 11 && row <= 14))
                boxes.answer(true);
            click(QString("WriteButton%1").arg(row));
            EXPECT_EQ(label("TurnNumberLabel")->text(), QString::number(row));
        }
        EXPECT_TRUE(form->isVisible());
        click("GoButton");
        EXPECT_FALSE(form->isVisible());
    });
    EXPECT_FALSE(result.quit);
    // Five struck face rows, 30 + 12 + 18 + 24 + 80, four struck rows, 5 + 30.
    EXPECT_EQ(form->game().players()[1].sheet[kTotalCell], -41);
    EXPECT_EQ(data->Rating[31].Last50[1], -41);
}

TEST_F(GameFormGame, ComputerOnlyGameNeverShowsTheWindow)
{
    SeededRandom seeded(7);
    const auto own = TGameForm::create(services(seeded), sounds, pump, qtPath(folder.path()));
    ASSERT_NE(own, nullptr);
    ShowCounter counter;
    own->installEventFilter(&counter);
    GameSetup computers;
    computers.show = false;
    for (std::size_t p = 1; p <= 3; ++p)
        computers.seat(data->Rating[p].Name, uint8_t(p));
    const DiceGame::Result result = own->PlayGame(computers);
    EXPECT_FALSE(result.quit);
    EXPECT_EQ(counter.shown, 0);
    EXPECT_FALSE(own->isVisible());
    EXPECT_FALSE(data->gameRunning);
    for (std::size_t p = 1; p <= 3; ++p) {
        const ScoreSheet &sheet = own->game().players()[p].sheet;
        EXPECT_EQ(std::count(sheet.begin(), sheet.begin() + 16, 0), 0) << p;
    }
}

TEST_F(GameFormGame, WindowStartsEachGameAfresh)
{
    seat({{"Аня", 0}});
    play([&] { sixesIntoTheHighSum(); });
    EXPECT_EQ(cell(16), "30");

    seat({{"Аня", 0}});
    play(
        [&] {
            EXPECT_EQ(form->windowTitle(), "ВЕРТОКС для Windows - Турнир(2 тур)");
            EXPECT_EQ(button("GoButton")->text(), "Начать");
            EXPECT_EQ(cell(16), "");
            EXPECT_EQ(label("PlayerNameLabel")->text(), "");
            // Before the first turn the standings show only their frame.
            EXPECT_TRUE(showsName(standings(), 1, "", kLime));
            sixesIntoTheHighSum();
            EXPECT_EQ(cell(17), "30");
        },
        "Турнир(2 тур)");
}

TEST_F(GameFormGame, SoundsReachTheDeviceOnlyWhenSwitchedOn)
{
    seat({{"Аня", 0}});
    data->SoundOn = true;
    play([&] {
        beginHumanTurn(25);
        throwDice("GoButton", {1, 2, 3, 4, 5});
        click("DieButton3");
        click("DieButton3");
        EXPECT_THAT(device.played,
                    testing::ElementsAre("yourturn.wav", "showcube.wav", "showcube.wav",
                                         "showcube.wav", "showcube.wav", "showcube.wav",
                                         "movecube.wav", "movecube.wav"));
    });

    data->SoundOn = false;
    device.opened.clear();
    seat({{"Аня", 0}});
    play([&] { sixesIntoTheHighSum(); });
    EXPECT_TRUE(device.opened.empty());
}
