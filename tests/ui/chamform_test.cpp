#include "competition/grouppaint.h"
#include "competition/tchamform.h"

#include "platform/hintheader.h"
#include "platform/palette.h"
#include "platform/tablestyle.h"

#include "tests/core/roundfixture.h"
#include "tests/ui/pixels.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>

using namespace roundtest;

namespace
{

// A computer-only championship of 12 whose round is played in the real window.
class ChamFormTest : public RoundTest
{
protected:
    ChamFormTest() { makeSlot(1, true, 12, 0); }

    // Runs drive inside the window's event loop; a driver that leaves the window open fails
    // the test instead of hanging it.
    ChampionshipOutcome play(std::function<void()> drive)
    {
        QTimer::singleShot(0, &form, [&] {
            EXPECT_TRUE(form.isVisible() && form.busy());
            drive();
            if (form.isVisible()) {
                ADD_FAILURE() << "the round window is still open";
                boxes.answer(true);
                form.close();
            }
        });
        const ChampionshipOutcome outcome = PlayChampionshipRound(unseen, form, false);
        EXPECT_FALSE(form.isVisible() || form.busy());
        return outcome;
    }

    QPushButton &button() { return *form.okButton(); }
    TChamForm form;
};

} // namespace

TEST_F(ChamFormTest, DalsheWalksThroughTheGroupsAndThePictureFollows)
{
    std::vector<QString> captions;
    QString title;
    QImage waiting, played, resized;
    const ChampionshipOutcome outcome = play([&] {
        title = form.windowTitle();
        waiting = form.picture().copy();
        for (int press = 1; press <= 4; ++press) {
            captions.push_back(button().text());
            EXPECT_EQ(button().accessibleName(), button().text());
            if (press == 2)
                QTest::keyClick(&form, Qt::Key_Return);
            else
                QTest::mouseClick(&button(), Qt::LeftButton);
            if (press == 1) {
                played = form.picture().copy();
                form.header()->resizeSection(0, 200);
                resized = form.picture().copy();
            }
        }
    });
    EXPECT_TRUE(outcome.counted);
    EXPECT_EQ(title, "Чемпионат, 1 тур - распределение по группам");
    EXPECT_EQ(captions,
              (std::vector<QString>{"Дальше (играет 1 группа)", "Дальше (играет 2 группа)",
                                    "Дальше (играет 3 группа)", "Конец тура"}));
    EXPECT_EQ(data->Slots[1].Cham.RoundsPlayed, 1);

    ASSERT_EQ(played.size(), QSize(464, 480));
    for (int g = 0; g < 3; ++g)
        EXPECT_TRUE(allColour(played, QRect(200, 160 * g + 5, 264, 1), palette::green));
    // Row 1 of group 1 before and after its game; group 2 waits.
    const QRect names(5, 12, 150, 15), places(160, 12, 105, 15), balls(265, 12, 50, 15),
        scores(315, 12, 50, 15), diffs(365, 12, 99, 15);
    EXPECT_GT(countColour(waiting, names, palette::aqua), 0);
    EXPECT_GT(countColour(waiting, places, palette::white), 0);
    EXPECT_EQ(countColour(waiting, balls, palette::yellow), 0);
    EXPECT_GT(countColour(played, balls, palette::yellow), 0);
    EXPECT_GT(countColour(played, scores, palette::olive), 0);
    EXPECT_GT(countColour(played, diffs, palette::lime) + countColour(played, diffs, palette::red),
              0);
    EXPECT_EQ(countColour(played, balls.translated(0, 160), palette::yellow), 0);
    // A wider name column moves the place column right.
    EXPECT_EQ(countColour(resized, QRect(160, 12, 40, 135), palette::white), 0);
    EXPECT_GT(countColour(resized, QRect(200, 12, 105, 15), palette::white), 0);
}

TEST_F(ChamFormTest, ClosingAsksAndYesLosesTheRoundButNotWhileAGameRuns)
{
    const auto before = folder.read(kSlotsFile);
    const TSaveSlot slotBefore = data->Slots[1];
    const ChampionshipOutcome outcome = play([&] {
        QTest::mouseClick(&button(), Qt::LeftButton);
        boxes.answer(false);
        form.close();
        EXPECT_TRUE(form.isVisible());
        // While a game runs the window stays, unasked, and "Дальше" is off.
        data->gameRunning = true;
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(&form, &activation);
        EXPECT_FALSE(button().isEnabled());
        QTest::keyClick(&form, Qt::Key_Return);
        EXPECT_EQ(button().text(), "Дальше (играет 2 группа)");
        form.close();
        EXPECT_TRUE(form.isVisible());
        data->gameRunning = false;
        QApplication::sendEvent(&form, &activation);
        EXPECT_TRUE(button().isEnabled());
        boxes.answer(true);
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_TRUE(outcome.played);
    EXPECT_FALSE(outcome.counted);
    EXPECT_EQ(boxes.asked,
              std::vector<std::string>(2, "Результаты текущего тура будут утеряны.\r\nВыйти?"));
    EXPECT_EQ(folder.read(kSlotsFile), before);
    EXPECT_EQ(std::memcmp(&slotBefore, &data->Slots[1], sizeof slotBefore), 0);
}

TEST(GroupPaint, ColoursFollowTheRowKind)
{
    GroupRows groups;
    groups[0] = {{"Аня", true, " 2 место", true, " 4", "101", " -16", true}};
    groups[2] = {{"Куба", false, " 1 место", false, "", "", "", false}};
    QImage picture(kGroupsPictureSize, QImage::Format_RGB32);
    PaintGroups(picture, groups, std::vector<int>{160, 105, 50, 50, 100});
    // A club member's name in teal, a negative difference in red; a computer's name in aqua,
    // and before its game only its place. The heading's lower letters reach into the first row.
    const auto cell = [](int left, int top, const char *text, const QColor &ink) {
        return PlacedText{QPoint(left, top), text, ink, TableFont()};
    };
    EXPECT_TRUE(
        showsTexts(picture, QRect(0, 12, 464, 15),
                   {cell(10, 0, "1 группа", palette::green), cell(5, 12, "Аня", palette::teal),
                    cell(160, 12, " 2 место", palette::white), cell(265, 12, " 4", palette::yellow),
                    cell(315, 12, "101", palette::olive), cell(365, 12, " -16", palette::red)}));
    EXPECT_TRUE(
        showsTexts(picture, QRect(0, 332, 464, 15),
                   {cell(10, 320, "3 группа", palette::green), cell(5, 332, "Куба", palette::aqua),
                    cell(160, 332, " 1 место", palette::white)}));
    // A block without rows shows only its heading and line.
    EXPECT_TRUE(allColour(picture, QRect(0, 180, 464, 130), palette::navy));
}

TEST(ChamFormLayout, LowScreensGetAShorterWindow)
{
    const ChamFormLayout full = ChamFormLayoutFor(567);
    EXPECT_EQ(full.scrollHeight, 488);
    EXPECT_EQ(full.buttonTop, 512);
    EXPECT_EQ(ChamFormLayoutFor(1080).clientHeight, full.clientHeight);
    const ChamFormLayout low = ChamFormLayoutFor(566);
    EXPECT_EQ(low.scrollHeight, 566 - 79);
    EXPECT_EQ(low.buttonTop, 566 - 55);
    EXPECT_LT(low.clientHeight, full.clientHeight);
}
