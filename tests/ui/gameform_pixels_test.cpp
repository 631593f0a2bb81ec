#include "game/gamestyle.h"
#include "tests/ui/gameformfixture.h"

#include <QLabel>

using namespace gameformtest;

namespace
{

const QColor kGreen(0, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kYellow(255, 255, 0);
const QColor kLime(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

class GameFormPixels : public GameFormTest
{
protected:
    QImage part(const QImage &image, const QRect &area) const
    {
        return image.copy(area).convertToFormat(QImage::Format_RGB32);
    }
    QRect of(const char *name) const { return placeIn(form->findChild<QWidget *>(name)); }
};

} // namespace

TEST_F(GameFormPixels, DiceSheetAndStandingsAreDrawnWhereTheyBelong)
{
    seat({{"Аня", 0}});
    play([&] {
        beginHumanTurn(10);
        throwDice("GoButton", {1, 2, 3, 4, 6});
        click("DieButton2");
        const QImage window = shot();

        // Thrown dice above, the held one below in its own column, green where no die is.
        EXPECT_EQ(part(window, dieCell(1, 1)), face(1));
        EXPECT_EQ(part(window, dieCell(1, 5)), face(6));
        EXPECT_EQ(part(window, dieCell(2, 2)), face(2));
        EXPECT_TRUE(allColour(window, dieCell(1, 2), kGreen));
        EXPECT_TRUE(allColour(window, dieCell(2, 1), kGreen));
        const QRect cube = of("CubeImage");
        EXPECT_TRUE(
            allColour(window, QRect(cube.topLeft() + QPoint(56, 0), QSize(3, 141)), kGreen));

        // The standings: a yellow frame on navy, Аня's name in lime on the first row.
        const QRect place = of("PlaceImage");
        EXPECT_EQ(place.size(), QSize(297, 201));
        EXPECT_TRUE(allColour(window, QRect(place.topLeft(), QSize(297, 1)), kYellow));
        EXPECT_TRUE(allColour(window, QRect(place.bottomLeft(), QSize(297, 1)), kYellow));
        EXPECT_TRUE(allColour(window, QRect(place.topRight(), QSize(1, 201)), kYellow));
        EXPECT_EQ(window.pixelColor(place.topLeft() + QPoint(150, 190)), kNavy);
        EXPECT_TRUE(showsText(window, QRect(place.topLeft() + QPoint(32, 2), QSize(150, 16)), "Аня",
                              kLime, solidFont(gamestyle::textFont())));

        // The bonus cell is dark with white letters; the total's value is red.
        const QRect bonus = of("ValueBox10");
        EXPECT_EQ(window.pixelColor(bonus.topLeft() + QPoint(3, 3)), kNavy);
        EXPECT_GT(countColour(window, bonus, kWhite, 40), 10);
        EXPECT_EQ(label("ValueBox17")->text(), "0");
        EXPECT_GT(countColour(window, of("ValueBox17"), kRed, 60), 5);
    });
}

TEST_F(GameFormPixels, WriteButtonsShowAHandOrAStrike)
{
    seat({{"Аня", 0}});
    play([&] {
        beginHumanTurn(25);
        throwDice("GoButton", {1, 2, 3, 4, 6});
        click("AllButton");
        click("ElseButton");
        const QImage window = shot();
        // 1, 2, 3, 4, 6 fills no face row but always a sum.
        EXPECT_GT(countColour(window, of("WriteButton1"), kRed), 5);
        EXPECT_EQ(countColour(window, of("WriteButton16"), kRed), 0);
        EXPECT_NE(part(window, of("WriteButton16")), part(window, of("WriteButton1")));
    });
}
