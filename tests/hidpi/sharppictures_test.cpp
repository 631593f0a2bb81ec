#include "app/standingssheet.h"

#include "tests/ui/pixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

QScreen *screenOfRatio(qreal ratio)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == ratio)
            return screen;
    return nullptr;
}

// Moves the window onto the screen and waits until it is there.
bool moveOnto(QWidget &window, QScreen *screen)
{
    window.move(screen->geometry().topLeft() + QPoint(10, 10));
    return QTest::qWaitFor([&] { return window.screen() == screen; });
}

} // namespace

TEST(SharpPictures, StandingsAreDrawnAtTheRatioOfTheirScreen)
{
    QScreen *plainScreen = screenOfRatio(1);
    QScreen *denseScreen = screenOfRatio(2);
    ASSERT_TRUE(plainScreen && denseScreen);
    SharedData data;
    TSaveSlot &slot = data.Slots[1];
    slot.Title = Str21::fromText("Весна");
    slot.Tur.RoundsPlayed = 1;
    slot.Tur.RoundsTotal = 10;
    slot.Tur.Difficulty = 3;
    slot.Tur.ParticipantCount = 3;
    slot.Tur.HumanCount = 1;
    const char *names[] = {"Вася", "Куба", "Китай"};
    for (std::size_t p = 1; p <= 3; ++p) {
        slot.Names[p] = Str17::fromText(names[p - 1]);
        slot.Tur.TurTotal[p] = 300 - 50 * int(p);
    }
    data.CurTurSlot = 1;
    QWidget page;
    StandingsSheet *sheet = makeTurnirSheet(&page);
    sheet->drawStandings(data, false);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    ASSERT_TRUE(moveOnto(page, denseScreen));
    const QImage sharp = sheet->picture();
    ASSERT_TRUE(moveOnto(page, plainScreen));
    const QImage plain = sheet->picture();

    EXPECT_EQ(plain.size(), QSize(529, 225));
    EXPECT_EQ(sharp.size(), QSize(2 * 529, 2 * 225));
    EXPECT_EQ(sharp.devicePixelRatio(), 2);
    QImage enlarged = plain.scaled(sharp.size());
    enlarged.setDevicePixelRatio(2);
    EXPECT_NE(sharp, enlarged);
    // The same table, laid out at twice the size: each score ends where it did, in twice the
    // pixels.
    for (int row = 1; row <= 3; ++row) {
        const QRect score(290, (row - 1) * 20 + 2, 120, 18);
        const QRect doubled(score.topLeft() * 2, score.size() * 2);
        const int plainRight = rightmostColour(plain, score, Qt::yellow);
        EXPECT_GT(plainRight, score.left()) << row;
        EXPECT_NEAR(rightmostColour(sharp, doubled, Qt::yellow), 2 * plainRight, 2) << row;
    }
}
