#include "app/standingssheet.h"

#include "tests/ui/pixels.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{

const QColor kNavy(0, 0, 128);

// Row r of a picture whose rows are pitch pixels apart, between the left edges x0 and x1.
QRect rowArea(int r, int pitch, int x0, int x1)
{
    return QRect(QPoint(x0, (r - 1) * pitch + 2), QPoint(x1 - 1, (r - 1) * pitch + pitch));
}

// The topmost line of row r's place number, or -1.
int placeTop(const QImage &picture, int r, int pitch)
{
    const QRect area = rowArea(r, pitch, 1, 50);
    for (int y = area.top(); y <= area.bottom(); ++y)
        if (countColour(picture, QRect(area.left(), y, area.width(), 1), Qt::white) > 0)
            return y;
    return -1;
}

// The colours each column of row r shows, as letters: "W|A|Y|L" is a white place, an aqua
// name, a yellow score and a lime difference. Columns start at the given left edges.
std::string rowInks(const QImage &picture, int r, int pitch, const std::vector<int> &edges)
{
    const std::pair<QColor, char> inks[] = {
        {QColor(255, 255, 255), 'W'}, {QColor(0, 255, 255), 'A'}, {QColor(0, 128, 128), 'T'},
        {QColor(255, 255, 0), 'Y'},   {QColor(128, 128, 0), 'O'}, {QColor(255, 0, 0), 'R'},
        {QColor(0, 255, 0), 'L'}};
    std::string result;
    for (std::size_t c = 0; c + 1 < edges.size(); ++c) {
        result += c ? "|" : "";
        for (const auto &[colour, letter] : inks)
            if (countColour(picture, rowArea(r, pitch, edges[c], edges[c + 1]), colour) > 0)
                result += letter;
    }
    return result;
}

template <typename Fields>
void setCounters(Fields &f, int played, int total, int difficulty, int participants, int humans)
{
    f.RoundsPlayed = uint8_t(played);
    f.RoundsTotal = uint8_t(total);
    f.Difficulty = uint8_t(difficulty);
    f.ParticipantCount = uint8_t(participants);
    f.HumanCount = uint8_t(humans);
}

class StandingsTest : public ::testing::Test
{
protected:
    StandingsTest()
    {
        // Slot 2: a tournament of a club member and two computers after 4 of 10 rounds.
        TSaveSlot &t = data.Slots[2];
        t.Title = Str21::fromText("Весна");
        setCounters(t.Tur, 4, 10, 3, 3, 1);
        const char *names[] = {"Вася", "Куба", "Китай"};
        const int totals[] = {700, 700, 690}, diffs[] = {5, 5, -10};
        for (std::size_t p = 1; p <= 3; ++p) {
            t.Names[p] = Str17::fromText(names[p - 1]);
            t.Tur.TurTotal[p] = totals[p - 1];
            t.Tur.TurDiff[p] = diffs[p - 1];
        }
        // Slot 7: a championship of 30 computers, one round of 20 played.
        TSaveSlot &c = data.Slots[7];
        c.IsCham = 1;
        c.Title = Str21::fromText("Мир");
        setCounters(c.Cham, 1, 20, 8, 30, 0);
        for (std::size_t p = 1; p <= 30; ++p) {
            c.Names[p] = Str17::fromText(ComputerNames[p]);
            c.Cham.Balls[p] = 31 - int(p);
            c.Cham.Points[p] = 100;
            c.Cham.ChamDiff[p] = p <= 15 ? 3 : -3;
        }
    }
    QLabel *label(const StandingsSheet *sheet, const char *name)
    {
        return sheet->findChild<QLabel *>(name);
    }
    void expectButtons(const StandingsSheet *sheet, bool continueEnabled, bool praiseShown)
    {
        EXPECT_EQ(sheet->continueButton()->isEnabled(), continueEnabled);
        EXPECT_EQ(sheet->praiseButton()->isVisibleTo(&page), praiseShown);
    }

    SharedData data;
    QWidget page;
    StandingsSheet *turnir = makeTurnirSheet(&page);
    StandingsSheet *champion = makeChampionSheet(&page);
};

} // namespace

TEST_F(StandingsTest, WithoutACompetitionThePagesStayBlankAndIdle)
{
    EXPECT_EQ(turnir->picture().size(), QSize(529, 225));
    EXPECT_EQ(champion->picture().size(), QSize(512, 450));
    EXPECT_EQ(turnir->allCheckBox(), nullptr);
    ASSERT_NE(champion->allCheckBox(), nullptr);
    EXPECT_FALSE(champion->allCheckBox()->accessibleName().isEmpty());
    // Resizing a column or drawing with no current slot leaves the pictures alone.
    turnir->header()->resizeSection(0, 80);
    for (StandingsSheet *sheet : {turnir, champion}) {
        sheet->drawStandings(data, false);
        expectButtons(sheet, false, false);
        EXPECT_TRUE(allColour(sheet->picture(), sheet->picture().rect(), kNavy));
        EXPECT_EQ(sheet->continueButton()->text(), "Продолжить");
        for (QPushButton *button : {sheet->continueButton(), sheet->praiseButton()})
            EXPECT_EQ(button->accessibleName(), button->text());
    }
    // A hint "|long" gives no tool tip; one without "|" is the tool tip whole.
    EXPECT_EQ(turnir->praiseButton()->toolTip(), "");
    EXPECT_EQ(turnir->continueButton()->toolTip(), "Сыграть следующий тур турнира");
}

TEST_F(StandingsTest, TournamentRowsLabelsAndButtons)
{
    data.CurTurSlot = 2;
    turnir->drawStandings(data, false);
    QLabel *heading = label(turnir, "TurHeaderLabel");
    QLabel *difficulty = label(turnir, "TurDiffLabel");
    EXPECT_EQ(heading->text(), "Положение после 4 тура (из 10).");
    EXPECT_EQ(heading->accessibleName(), heading->text());
    EXPECT_EQ(difficulty->accessibleName(), "Сложность : 3");
    expectButtons(turnir, true, false);

    const QImage picture = turnir->picture();
    // Equal totals: the club member (participant 1, teal) before the computers (aqua).
    const std::vector<int> columns = {1, 60, 290, 410, 529};
    EXPECT_EQ(rowInks(picture, 1, 20, columns), "W|T|Y|L");
    EXPECT_EQ(rowInks(picture, 2, 20, columns), "W|A|Y|L");
    EXPECT_EQ(rowInks(picture, 3, 20, columns), "W|A|Y|R");
    EXPECT_TRUE(allColour(picture, QRect(0, 0, 529, 2), kNavy));
    EXPECT_TRUE(allColour(picture, QRect(0, 3 * 20 + 2, 529, 225 - 62), kNavy));
    EXPECT_EQ(placeTop(picture, 3, 20) - placeTop(picture, 1, 20), 40);
    // Widening the name column moves the later columns right by as much.
    const int yellowRight = rightmostColour(picture, rowArea(1, 20, 290, 410), Qt::yellow);
    turnir->header()->resizeSection(1, 250);
    EXPECT_EQ(rightmostColour(turnir->picture(), rowArea(1, 20, 310, 430), Qt::yellow),
              yellowRight + 20);

    turnir->drawStandings(data, true);
    expectButtons(turnir, false, false); // busy
    // Finished: prizes instead of another round; an unfinished one hides the prizes again.
    data.Slots[2].Tur.RoundsPlayed = 10;
    turnir->drawStandings(data, false);
    expectButtons(turnir, false, true);
    data.Slots[2].Tur.RoundsPlayed = 9;
    turnir->drawStandings(data, false);
    expectButtons(turnir, true, false);

    // The slot now holds a championship, or a crafted tournament: the picture stays as it was.
    data.Slots[2].Tur.RoundsPlayed = 10;
    turnir->drawStandings(data, false);
    const QImage before = turnir->picture();
    data.Slots[2].IsCham = 1;
    turnir->drawStandings(data, false);
    expectButtons(turnir, false, false);
    data.Slots[2].IsCham = 0;
    data.Slots[2].Tur.Difficulty = 11;
    data.CurTurSlot = 2;
    turnir->drawStandings(data, false);
    expectButtons(turnir, false, false);
    EXPECT_EQ(turnir->picture(), before);
    EXPECT_EQ(heading->text(), "Положение после 10 тура (из 10).");
    EXPECT_EQ(difficulty->text(), "Сложность : 3");
}

TEST_F(StandingsTest, ChampionshipThirtyRowsAndTheCheckBox)
{
    data.CurChamSlot = 7;
    champion->allCheckBox()->setChecked(true);
    champion->drawStandings(data, false);
    EXPECT_FALSE(champion->allCheckBox()->isChecked());
    EXPECT_EQ(label(champion, "ChamHeaderLabel")->text(), "Положение после 1 тура (из 20).");
    EXPECT_EQ(label(champion, "ChamDiffLabel")->accessibleName(), "Сложность : 8");
    expectButtons(champion, true, false);

    const QImage picture = champion->picture();
    for (int r : {1, 15, 16, 30})
        EXPECT_EQ(rowInks(picture, r, 15, {1, 50, 212, 312, 412, 512}),
                  r <= 15 ? "W|A|Y|O|L" : "W|A|Y|O|R")
            << r;
    EXPECT_EQ(data.ChamOrder[30], 30);
    EXPECT_EQ(placeTop(picture, 30, 15) - placeTop(picture, 1, 15), 29 * 15);
    EXPECT_TRUE(allColour(picture, QRect(0, 0, 512, 2), kNavy));

    data.Slots[7].Cham.ClubTogether = 1;
    data.Slots[7].Cham.RoundsPlayed = 20;
    champion->drawStandings(data, false);
    EXPECT_TRUE(champion->allCheckBox()->isChecked());
    expectButtons(champion, false, true);
}
