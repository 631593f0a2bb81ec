#include "tests/ui/gameformfixture.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>

#include <gmock/gmock.h>

using namespace gameformtest;

namespace
{

class GameFormTurn : public GameFormTest
{
protected:
    void SetUp() override
    {
        GameFormTest::SetUp();
        seat({{"Аня", 0}, {"Боря", 0}});
    }

    bool enabled(const QString &name) const { return button(name)->isEnabled(); }
    QString caption(const QString &name) const { return button(name)->text(); }
    QString status() const { return label("StatusBar")->text(); }
    QColor textColour(int row) const
    {
        return label(QString("ValueBox%1").arg(row))->palette().color(QPalette::WindowText);
    }
    QColor background(int row) const
    {
        return label(QString("ValueBox%1").arg(row))->palette().color(QPalette::Window);
    }
    int sounds(const char *file) const
    {
        return int(std::count(device.played.begin(), device.played.end(), file));
    }
};

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 128, 0);
const QColor kNavy(0, 0, 128);

} // namespace

TEST_F(GameFormTurn, SingleHeldDieIsGivenBackButTwoAreKept)
{
    play([&] {
        EXPECT_EQ(caption("GoButton"), "Начать");
        EXPECT_EQ(status(), "Нажмите \"Начать\" для начала игры");
        beginHumanTurn(20);
        EXPECT_EQ(caption("GoButton"), "Ok");
        EXPECT_EQ(label("CompTurnLabel")->text(), "Аня, Ваш ход!");
        EXPECT_TRUE(label("CompTurnLabel")->isVisibleTo(form.get()));

        throwDice("GoButton", {1, 2, 3, 4, 5});
        EXPECT_FALSE(label("CompTurnLabel")->isVisibleTo(form.get()));
        EXPECT_FALSE(enabled("GoButton"));
        ASSERT_TRUE(enabled("ElseButton"));
        EXPECT_EQ(caption("ElseButton"), "Еще");
        EXPECT_EQ(status(), "Выберите кости и нажмите \"Еще\"(\"Хватит\")");

        click("DieButton2");
        EXPECT_TRUE(form->game().dieHeld(2));
        throwDice("ElseButton", {6, 6, 6, 6, 6});
        EXPECT_EQ(form->game().keptCount(), 0);
        EXPECT_EQ(random.remaining(), 0u);
        EXPECT_EQ(form->game().screen().upperRow[2], 6);

        click("DieButton1");
        click("DieButton4");
        // The third throw: the two held dice come first in the kept hand.
        throwDice("ElseButton", {2, 3, 4});
        EXPECT_EQ(random.remaining(), 0u);
        EXPECT_EQ(form->game().screen().lowerRow, (OneBased<uint8_t, 5>{{6, 6, 2, 3, 4}}));
    });
}

TEST_F(GameFormTurn, HoldingEveryFreeDieGoesStraightToWriting)
{
    data->SoundOn = true;
    play([&] {
        // Аня holds all five on the first throw with AllButton.
        beginHumanTurn(20);
        throwDice("GoButton", {5, 5, 5, 5, 5});
        device.played.clear();
        click("AllButton");
        EXPECT_EQ(sounds("movecube.wav"), 1);
        EXPECT_EQ(caption("ElseButton"), "Хватит");
        click("ElseButton");
        EXPECT_EQ(status(), "Нажмите на кнопку с \"рукой\" чтобы записать(списать) комбинацию");
        EXPECT_FALSE(enabled("ElseButton"));
        ASSERT_TRUE(enabled("WriteButton10"));
        click("WriteButton10");
        EXPECT_EQ(cell(10), "80");
        EXPECT_EQ(cell(17), "80");
        EXPECT_EQ(sounds("write.wav"), 1);
        EXPECT_FALSE(enabled("WriteButton11"));
        EXPECT_EQ(caption("GoButton"), "Дальше");

        // Боря picks three on the picture, throws two more and holds them by key.
        beginHumanTurn(20);
        throwDice("GoButton", {5, 5, 5, 2, 3});
        clickDice(30, 30);
        clickDice(90, 5);
        clickDice(150, 55);
        EXPECT_EQ(caption("ElseButton"), "Еще");
        throwDice("ElseButton", {5, 5});
        EXPECT_EQ(form->game().keptCount(), 3);
        key(Qt::Key_4);
        key(Qt::Key_5);
        EXPECT_EQ(caption("ElseButton"), "Хватит");
        click("ElseButton");
        EXPECT_EQ(form->game().throwCounter(), 2);
        click("WriteButton10");
        EXPECT_EQ(cell(10), "60");
    });
}

TEST_F(GameFormTurn, NothingCanBeHeldAfterTheThirdThrow)
{
    play([&] {
        beginHumanTurn(20);
        throwDice("GoButton", {1, 1, 2, 3, 4});
        throwDice("ElseButton", {1, 1, 2, 3, 4});
        throwDice("ElseButton", {6, 5, 4, 3, 2});
        EXPECT_EQ(caption("ElseButton"), "Хватит");
        EXPECT_EQ(status(), "Нажмите \"Хватит\" для записи выбранной комбинации");
        EXPECT_FALSE(enabled("AllButton"));
        for (int i = 1; i <= 5; ++i)
            EXPECT_FALSE(enabled(QString("DieButton%1").arg(i))) << i;

        // Neither the picture nor the keys move a die now.
        const GameScreen before = form->game().screen();
        clickDice(30, 100);
        clickDice(30, 30);
        key(Qt::Key_1);
        EXPECT_EQ(form->game().screen().lowerRow, before.lowerRow);
        EXPECT_EQ(form->game().screen().lowerRow, (OneBased<uint8_t, 5>{{6, 5, 4, 3, 2}}));

        click("ElseButton");
        click("WriteButton14");
        EXPECT_EQ(cell(14), "20");
    });
}

TEST_F(GameFormTurn, BonusCellIsMarkedAndReadableInItsColours)
{
    data->SoundOn = true;
    play([&] {
        beginHumanTurn(10);
        EXPECT_EQ(cell(10), "БОНУС");
        EXPECT_EQ(textColour(10), kWhite);
        EXPECT_EQ(background(10), kNavy);
        throwDice("GoButton", {4, 4, 4, 4, 4});
        click("AllButton");
        click("ElseButton");
        click("WriteButton10");
        EXPECT_EQ(cell(10), "90");
        EXPECT_EQ(textColour(10), kWhite);

        // Боря strikes his bonus row: asked first, No changes nothing.
        beginHumanTurn(1);
        throwDice("GoButton", {2, 3, 4, 5, 6});
        click("AllButton");
        click("ElseButton");
        boxes.answer(false);
        click("WriteButton1");
        EXPECT_THAT(boxes.asked, testing::ElementsAre("Вы хотите списать?"));
        EXPECT_EQ(cell(1), "БОНУС");
        EXPECT_TRUE(enabled("WriteButton1"));
        boxes.answer(true);
        click("WriteButton1");
        EXPECT_EQ(cell(1), "-50");
        EXPECT_EQ(textColour(1), kYellow);
        EXPECT_EQ(background(1), kNavy);
        EXPECT_EQ(sounds("downwr.wav"), 1);

        // On Аня's next turn her bonus cell reads as any written one.
        beginHumanTurn(25);
        EXPECT_EQ(cell(10), "90");
        EXPECT_EQ(textColour(10), kGreen);
        EXPECT_NE(background(10), kNavy);
    });
}

TEST_F(GameFormTurn, KeyboardPlaysAWholeTurn)
{
    play([&] {
        random.pushUniform(1, 20);
        key(Qt::Key_Space);
        EXPECT_EQ(caption("GoButton"), "Ok");
        for (int face : {3, 3, 3, 1, 2})
            random.pushFace(face);
        key(Qt::Key_Return);
        EXPECT_EQ(form->game().throwCounter(), 1);

        for (int k = Qt::Key_1; k <= Qt::Key_5; ++k)
            key(k);
        EXPECT_EQ(caption("ElseButton"), "Хватит");
        key(Qt::Key_5);
        EXPECT_EQ(caption("ElseButton"), "Еще");
        EXPECT_FALSE(form->game().dieHeld(5));
        key(Qt::Key_5);

        // A held key repeats without effect.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Enter, Qt::NoModifier, "", true);
        QApplication::sendEvent(form.get(), &repeat);
        EXPECT_EQ(form->game().throwCounter(), 1);

        key(Qt::Key_Enter);
        ASSERT_TRUE(enabled("WriteButton3"));
        // Tab reaches the first open row, Space writes the row in focus.
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        key(Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), "WriteButton1");
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), "WriteButton3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(cell(3), "9");
        EXPECT_EQ(caption("GoButton"), "Дальше");

        // A competition's results count: no undo control, and Ctrl+Z takes nothing back.
        EXPECT_EQ(form->findChild<QAbstractButton *>("UndoButton"), nullptr);
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(cell(3), "9");
        EXPECT_EQ(form->game().throwCounter(), 5);
    });
}
