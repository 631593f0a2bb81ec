#include "app/standingssheet.h"

#include "tests/ui/pixels.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include <gtest/gtest.h>

namespace
{

const QColor kNavy(0, 0, 128);
const QColor kWhite(255, 255, 255);
const QColor kAqua(0, 255, 255);
const QColor kTeal(0, 128, 128);
const QColor kYellow(255, 255, 0);
const QColor kOlive(128, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kLime(0, 255, 0);

// Row r of a picture whose rows are pitch pixels apart, between the left edges x0 and x1.
QRect rowArea(int r, int pitch, int x0, int x1)
{
    return QRect(QPoint(x0, (r - 1) * pitch + 2), QPoint(x1 - 1, (r - 1) * pitch + pitch));
}

// The topmost line in area holding the colour, or -1.
int topmostColour(const QImage &image, const QRect &area, const QColor &colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (countColour(image, QRect(area.left(), y, area.width(), 1), colour) > 0)
            return y;
    }
    return -1;
}

class StandingsTest : public ::testing::Test
{
protected:
    StandingsTest()
    {
        // Slot 2: a tournament of a club member and two computers after 4 of 10 rounds.
        TSaveSlot &t = data.Slots[2];
        t.IsCham = 0;
        t.Title = Str21::fromText("Весна");
        t.Tur.RoundsPlayed = 4;
        t.Tur.RoundsTotal = 10;
        t.Tur.Difficulty = 3;
        t.Tur.ParticipantCount = 3;
        t.Tur.HumanCount = 1;
        t.Names[1] = Str17::fromText("Вася");
        t.Names[2] = Str17::fromText("Куба");
        t.Names[3] = Str17::fromText("Китай");
        t.Tur.TurTotal[1] = 700;
        t.Tur.TurDiff[1] = 5;
        t.Tur.TurTotal[2] = 700;
        t.Tur.TurDiff[2] = 5;
        t.Tur.TurTotal[3] = 690;
        t.Tur.TurDiff[3] = -10;

        // Slot 7: a championship of 30 computers, one round of 20 played.
        TSaveSlot &c = data.Slots[7];
        c.IsCham = 1;
        c.Title = Str21::fromText("Мир");
        c.Cham.RoundsPlayed = 1;
        c.Cham.RoundsTotal = 20;
        c.Cham.Difficulty = 8;
        c.Cham.ParticipantCount = 30;
        c.Cham.HumanCount = 0;
        c.Cham.ClubTogether = 0;
        for (int p = 1; p <= 30; ++p) {
            c.Names[std::size_t(p)] = Str17::fromText(ComputerNames[std::size_t(p)]);
            c.Cham.Balls[std::size_t(p)] = 31 - p;
            c.Cham.Points[std::size_t(p)] = 100;
            c.Cham.ChamDiff[std::size_t(p)] = p <= 15 ? 3 : -3;
        }
    }

    template <typename T> static T *child(const QWidget *sheet, const char *name)
    {
        T *widget = sheet->findChild<T *>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    SharedData data;
    QWidget page;
    StandingsSheet *turnir = makeTurnirSheet(&page);
    StandingsSheet *champion = makeChampionSheet(&page);
};

} // namespace

TEST_F(StandingsTest, PagesStartWithoutACompetition)
{
    for (StandingsSheet *sheet : {turnir, champion}) {
        EXPECT_FALSE(sheet->continueButton()->isEnabled());
        EXPECT_TRUE(sheet->praiseButton()->isHidden());
        EXPECT_EQ(sheet->continueButton()->text(), "Продолжить");
        EXPECT_EQ(sheet->continueButton()->accessibleName(), "Продолжить");
        EXPECT_EQ(sheet->praiseButton()->accessibleName(), "Вручение призов");
        EXPECT_TRUE(allColour(sheet->picture(), sheet->picture().rect(), kNavy));
    }
    EXPECT_EQ(turnir->continueButton()->objectName(), "TurContinueButton");
    EXPECT_EQ(turnir->continueButton()->statusTip(), "Сыграть следующий тур турнира");
    EXPECT_EQ(turnir->continueButton()->toolTip(), "Сыграть следующий тур турнира");
    EXPECT_EQ(turnir->praiseButton()->objectName(), "TurPraiseButton");
    EXPECT_EQ(turnir->praiseButton()->statusTip(),
              "|Получение игроками призов за сыгранный турнир");
    EXPECT_TRUE(turnir->praiseButton()->toolTip().isEmpty());
    EXPECT_EQ(champion->continueButton()->objectName(), "ChamContinueButton");
    EXPECT_EQ(champion->continueButton()->statusTip(), "Сыграть следующий тур чемпионата");
    EXPECT_EQ(champion->praiseButton()->statusTip(),
              "|Получение игроками призов за сыгранный чемпионат");
    EXPECT_EQ(turnir->allCheckBox(), nullptr);
    ASSERT_NE(champion->allCheckBox(), nullptr);
    EXPECT_EQ(champion->allCheckBox()->objectName(), "AllCheckBox");
    EXPECT_EQ(champion->allCheckBox()->accessibleName(), "Клуб игроков в одной группе");
    EXPECT_EQ(champion->allCheckBox()->statusTip(),
              "Все игроки, управляемые людьми, будут находиться в одной группе");
    EXPECT_EQ(turnir->picture().size(), QSize(529, 225));
    EXPECT_EQ(champion->picture().size(), QSize(512, 450));
    EXPECT_NE(qobject_cast<QScrollArea *>(
                  child<QWidget>(champion, "ChamImage")->parentWidget()->parentWidget()),
              nullptr);

    // No current competition: resizing and drawing leave the pictures alone.
    turnir->header()->resizeSection(0, 80);
    turnir->drawStandings(data, false);
    champion->drawStandings(data, false);
    EXPECT_TRUE(allColour(turnir->picture(), turnir->picture().rect(), kNavy));
    EXPECT_TRUE(allColour(champion->picture(), champion->picture().rect(), kNavy));
    EXPECT_FALSE(turnir->continueButton()->isEnabled());
}

TEST_F(StandingsTest, TournamentRowsLabelsAndButtons)
{
    data.CurTurSlot = 2;
    turnir->drawStandings(data, false);
    auto *heading = child<QLabel>(turnir, "TurHeaderLabel");
    auto *difficulty = child<QLabel>(turnir, "TurDiffLabel");
    EXPECT_EQ(heading->text(), "Положение после 4 тура (из 10).");
    EXPECT_EQ(heading->accessibleName(), heading->text());
    EXPECT_EQ(difficulty->text(), "Сложность : 3");
    EXPECT_EQ(difficulty->accessibleName(), difficulty->text());
    EXPECT_TRUE(turnir->continueButton()->isEnabled());
    EXPECT_TRUE(turnir->praiseButton()->isHidden());

    const QImage picture = turnir->picture();
    // Equal totals: the club member (participant 1) before the computer.
    EXPECT_GT(countColour(picture, rowArea(1, 20, 1, 60), kWhite), 0);
    EXPECT_GT(countColour(picture, rowArea(1, 20, 60, 290), kTeal), 0);
    EXPECT_EQ(countColour(picture, rowArea(1, 20, 60, 290), kAqua), 0);
    EXPECT_GT(countColour(picture, rowArea(2, 20, 60, 290), kAqua), 0);
    EXPECT_GT(countColour(picture, rowArea(3, 20, 60, 290), kAqua), 0);
    // Totals yellow in the third column, differences lime or red in the fourth.
    EXPECT_GT(countColour(picture, rowArea(1, 20, 290, 410), kYellow), 0);
    EXPECT_GT(countColour(picture, rowArea(1, 20, 410, 529), kLime), 0);
    EXPECT_EQ(countColour(picture, rowArea(1, 20, 410, 529), kRed), 0);
    EXPECT_GT(countColour(picture, rowArea(3, 20, 410, 529), kRed), 0);
    EXPECT_TRUE(allColour(picture, QRect(0, 3 * 20 + 2, 529, 225 - 62), kNavy));
    EXPECT_EQ(topmostColour(picture, rowArea(3, 20, 1, 60), kWhite) -
                  topmostColour(picture, rowArea(1, 20, 1, 60), kWhite),
              40);
    EXPECT_TRUE(allColour(picture, QRect(0, 0, 529, 2), kNavy));

    // Widening the name column moves the later columns right by as much.
    const int yellowRight = rightmostColour(picture, rowArea(1, 20, 290, 410), kYellow);
    turnir->header()->resizeSection(1, 250);
    EXPECT_EQ(rightmostColour(turnir->picture(), rowArea(1, 20, 310, 430), kYellow),
              yellowRight + 20);

    turnir->drawStandings(data, true);
    EXPECT_FALSE(turnir->continueButton()->isEnabled()) << "busy";

    // Finished: prizes instead of another round; an unfinished one hides the prizes again.
    data.Slots[2].Tur.RoundsPlayed = 10;
    turnir->drawStandings(data, false);
    EXPECT_FALSE(turnir->continueButton()->isEnabled());
    EXPECT_FALSE(turnir->praiseButton()->isHidden());
    EXPECT_EQ(heading->text(), "Положение после 10 тура (из 10).");
    data.Slots[2].Tur.RoundsPlayed = 9;
    turnir->drawStandings(data, false);
    EXPECT_TRUE(turnir->continueButton()->isEnabled());
    EXPECT_TRUE(turnir->praiseButton()->isHidden());

    // The slot now holds a championship (or nothing playable): the picture stays as it was.
    const QImage before = turnir->picture();
    data.Slots[2].Tur.RoundsPlayed = 10;
    turnir->drawStandings(data, false);
    data.Slots[2].IsCham = 1;
    turnir->drawStandings(data, false);
    EXPECT_EQ(turnir->picture(), before);
    EXPECT_EQ(heading->text(), "Положение после 10 тура (из 10).");
    EXPECT_FALSE(turnir->continueButton()->isEnabled());
    EXPECT_TRUE(turnir->praiseButton()->isHidden());
    data.Slots[2].IsCham = 0;
    data.Slots[2].Tur.Difficulty = 11;
    data.CurTurSlot = 2;
    turnir->drawStandings(data, false);
    EXPECT_FALSE(turnir->continueButton()->isEnabled());
    EXPECT_EQ(difficulty->text(), "Сложность : 3");
}

TEST_F(StandingsTest, ChampionshipThirtyRowsAndTheCheckBox)
{
    data.CurChamSlot = 7;
    champion->allCheckBox()->setChecked(true);
    champion->drawStandings(data, false);
    EXPECT_FALSE(champion->allCheckBox()->isChecked());
    EXPECT_EQ(child<QLabel>(champion, "ChamHeaderLabel")->text(),
              "Положение после 1 тура (из 20).");
    EXPECT_EQ(child<QLabel>(champion, "ChamDiffLabel")->accessibleName(), "Сложность : 8");
    EXPECT_TRUE(champion->continueButton()->isEnabled());
    EXPECT_TRUE(champion->praiseButton()->isHidden());

    const QImage picture = champion->picture();
    for (int r : {1, 15, 16, 30}) {
        EXPECT_GT(countColour(picture, rowArea(r, 15, 1, 50), kWhite), 0) << r;
        EXPECT_GT(countColour(picture, rowArea(r, 15, 50, 212), kAqua), 0) << r;
        EXPECT_GT(countColour(picture, rowArea(r, 15, 212, 312), kYellow), 0) << r;
        EXPECT_GT(countColour(picture, rowArea(r, 15, 312, 412), kOlive), 0) << r;
        EXPECT_GT(countColour(picture, rowArea(r, 15, 412, 512), r <= 15 ? kLime : kRed), 0) << r;
        EXPECT_EQ(countColour(picture, rowArea(r, 15, 412, 512), r <= 15 ? kRed : kLime), 0) << r;
    }
    EXPECT_EQ(data.ChamOrder[30], 30);
    // Rows are 15 pixels apart: the place numbers' tops are 29 * 15 apart.
    EXPECT_EQ(topmostColour(picture, rowArea(30, 15, 1, 50), kWhite) -
                  topmostColour(picture, rowArea(1, 15, 1, 50), kWhite),
              29 * 15);
    EXPECT_TRUE(allColour(picture, QRect(0, 0, 512, 2), kNavy));

    data.Slots[7].Cham.ClubTogether = 1;
    data.Slots[7].Cham.RoundsPlayed = 20;
    champion->drawStandings(data, false);
    EXPECT_TRUE(champion->allCheckBox()->isChecked());
    EXPECT_FALSE(champion->continueButton()->isEnabled());
    EXPECT_FALSE(champion->praiseButton()->isHidden());
}
