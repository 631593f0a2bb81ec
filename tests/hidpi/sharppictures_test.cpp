#include "app/standingssheet.h"
#include "game/gamepictures.h"
#include "platform/palette.h"
#include "platform/picturebox.h"
#include "platform/plotframe.h"

#include "tests/ui/pixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

// Runs on the offscreen screens of screens.json: pixel ratio 1, then 2.
TEST(SharpPictures, StandingsAreDrawnAtTheRatioOfTheirScreen)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    const bool firstDense = screens[0]->devicePixelRatio() == 2;
    SharedData data;
    TSaveSlot &slot = data.Slots[1];
    slot.Title = Str21::fromText("Весна");
    slot.Tur = {{}, {}, 1, 10, 3, 3, 1};
    for (std::size_t p = 1; p <= 3; ++p) {
        slot.Names[p] = Str17::fromText(ComputerNames[p]);
        slot.Tur.TurTotal[p] = 300 - 50 * int(p);
    }
    data.CurTurSlot = 1;
    QWidget page;
    StandingsSheet *sheet = makeTurnirSheet(&page);
    sheet->drawStandings(data, false);
    page.show();
    const auto pictureOn = [&](QScreen *screen) {
        page.move(screen->geometry().topLeft());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return page.devicePixelRatioF() == screen->devicePixelRatio(); }));
        return sheet->picture();
    };
    const QImage sharp = pictureOn(screens[firstDense ? 0 : 1]);
    const QImage plain = pictureOn(screens[firstDense ? 1 : 0]);

    EXPECT_EQ(plain.size(), QSize(529, 225));
    EXPECT_EQ(sharp.size(), plain.size() * 2);
    EXPECT_NE(sharp, plain.scaled(sharp.size()));
    // Laid out as at ratio 1 in twice the pixels: each score ends where it did.
    for (int row = 1; row <= 3; ++row) {
        const QRect score(290, row * 20 - 18, 120, 18);
        const int plainRight = rightmostColour(plain, score, Qt::yellow);
        EXPECT_GT(plainRight, score.left()) << row;
        const QRect doubled(score.topLeft() * 2, score.size() * 2);
        EXPECT_NEAR(rightmostColour(sharp, doubled, Qt::yellow), 2 * plainRight, 2) << row;
    }
}

TEST(SharpPictures, PlotsAreDrawnAtTheRatioOfTheirScreen)
{
    PlotFrame plot("Форма");
    plot.setSeries({{PlotSeries::Style::PointsAndLine,
                     "очки",
                     palette::yellow,
                     {{1, 150}, {2, 230}, {3, 190}}}});
    plot.show();
    std::map<qreal, QImage> shots; // by pixel ratio
    for (QScreen *screen : QGuiApplication::screens()) {
        plot.move(screen->geometry().topLeft());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return plot.devicePixelRatioF() == screen->devicePixelRatio(); }));
        shots[screen->devicePixelRatio()] = plot.grab().toImage();
    }
    ASSERT_EQ(shots[1].size(), plot.size());
    // Under the x axis, the plot's longest white line, a tick for each of 1, 2 and 3.
    const QImage &plain = shots[1];
    int axis = plain.height() - 1;
    while (axis > 0 &&
           countColour(plain, QRect(0, axis, plain.width(), 1), Qt::white) < plain.width() / 2)
        --axis;
    EXPECT_EQ(countColour(plain, QRect(0, axis + 2, plain.width(), 1), Qt::white), 3);
    EXPECT_EQ(shots[2].size(), plot.size() * 2);
    EXPECT_NE(shots[2], shots[1].scaled(shots[2].size()));
}

// The game window's standings before its first row: the frame alone.
TEST(SharpPictures, GameStandingsFrameKeepsAllFourEdges)
{
    PictureBox place(gamepictures::kPlaceSize, nullptr);
    place.redraw([](QImage &picture) {
        gamepictures::PaintStandings(picture, GamePlayers{}, 0, Standings{}, false);
    });
    place.show();
    for (QScreen *screen : QGuiApplication::screens()) {
        const int ratio = int(screen->devicePixelRatio());
        place.move(screen->geometry().topLeft());
        EXPECT_TRUE(QTest::qWaitFor([&] { return place.devicePixelRatioF() == ratio; }));
        const QRect frame(QPoint(0, 0), QPoint(296, 200) * ratio);
        for (const QRect &edge : {QRect(frame.topLeft(), QSize(frame.width(), 1)),
                                  QRect(frame.bottomLeft(), QSize(frame.width(), 1)),
                                  QRect(frame.topLeft(), QSize(1, frame.height())),
                                  QRect(frame.topRight(), QSize(1, frame.height()))})
            EXPECT_TRUE(allColour(place.picture(), edge, Qt::yellow)) << ratio;
    }
}
