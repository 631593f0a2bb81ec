#include "app/recordsheet.h"
#include "game/recordrule.h"
#include "platform/hintheader.h"
#include "results/recordtables.h"

#include "tests/ui/pixels.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <array>

namespace
{

const QColor kNavyRgb(0, 0, 128);
const QColor kWhiteRgb(255, 255, 255);
const QColor kTealRgb(0, 128, 128);
const QColor kAquaRgb(0, 255, 255);
const QColor kYellowRgb(255, 255, 0);
const QColor kGreenRgb(0, 128, 0);
const QColor kRedRgb(255, 0, 0);

constexpr std::array<int, 5> kGameWidths = {50, 120, 70, 50, 512};
constexpr std::array<int, 10> kPrizeWidths = {50, 140, 70, 60, 85, 65, 75, 70, 85, 100};
constexpr int kCombos = 290; // left edge of "Очки в комбинациях"

QRect gameRow(int b, int x0, int x1)
{
    const int top = (b - 1) * 15 + 35;
    return QRect(QPoint(x0, top), QPoint(x1 - 1, top + 14));
}
QRect prizeRow(int p, int x0, int x1)
{
    const int top = (p - 1) * 15 + 381;
    return QRect(QPoint(x0, top), QPoint(x1 - 1, top + 14));
}

class RecordTablesTest : public ::testing::Test
{
protected:
    RecordTablesTest()
    {
        for (std::size_t k = 1; k <= 30; ++k)
            data.Records[k].Date = 1.0;
    }
    void enterGame(const char *name, int32_t score, uint8_t difficulty)
    {
        OneBased<int32_t, 16> combos;
        for (int c = 1; c <= 16; ++c)
            combos[std::size_t(c)] = 10 + c;
        ASSERT_NE(EnterGameRecord(data.Records, Str17::fromText(name), score, 45000.0, difficulty,
                                  combos),
                  0);
    }
    QImage draw()
    {
        QImage picture(kRecordsPictureSize, QImage::Format_RGB32);
        PaintRecordTables(picture, data, kGameWidths, kPrizeWidths);
        return picture;
    }

    SharedData data;
};

} // namespace

TEST_F(RecordTablesTest, FreeRowsShowOnlyPlacesAndTheLines)
{
    const QImage picture = draw();
    ASSERT_EQ(picture.size(), QSize(800, 530));
    EXPECT_GT(countColour(picture, gameRow(1, 1, 50), kWhiteRgb), 0);
    EXPECT_GT(countColour(picture, gameRow(20, 1, 50), kWhiteRgb), 0);
    EXPECT_GT(countColour(picture, prizeRow(10, 1, 50), kWhiteRgb), 0);
    // Nothing but navy where names, dates, scores and combinations would be, except the lines.
    EXPECT_TRUE(allColour(picture, QRect(50, 35, kCombos + 193 - 50, 300), kNavyRgb));
    EXPECT_TRUE(allColour(picture, QRect(50, 381, 750, 149), kNavyRgb));
    // The white lines between combinations 6|7, 10|11 and 14|15, from y 35 to 335.
    for (const int x : {kCombos + 193, kCombos + 321, kCombos + 449}) {
        EXPECT_TRUE(allColour(picture, QRect(x, 35, 1, 301), kWhiteRgb)) << x;
        EXPECT_EQ(picture.pixelColor(x, 34), kNavyRgb) << x;
        EXPECT_EQ(picture.pixelColor(x, 337), kNavyRgb) << x;
        EXPECT_EQ(picture.pixelColor(x + 1, 100), kNavyRgb) << x;
    }
}

TEST_F(RecordTablesTest, GameRowsColourHumansAndComputersApart)
{
    enterGame("Германия", 300, 7);
    enterGame("Вася", 280, 0);
    const QImage picture = draw();
    EXPECT_GT(countColour(picture, gameRow(1, 50, 170), kAquaRgb), 0);
    EXPECT_EQ(countColour(picture, gameRow(1, 50, 170), kTealRgb), 0);
    EXPECT_GT(countColour(picture, gameRow(2, 50, 170), kTealRgb), 0);
    EXPECT_GT(countColour(picture, gameRow(2, 170, 250), kRedRgb), 0);
    EXPECT_GT(countColour(picture, gameRow(2, 240, 290), kYellowRgb), 0);
    // The combinations are green, a smaller font set three pixels lower.
    const QRect combos = gameRow(2, kCombos, 800);
    EXPECT_GT(countColour(picture, combos, kGreenRgb), 0);
    EXPECT_EQ(countColour(picture, QRect(kCombos, 50, 510, 3), kGreenRgb), 0);
    // The human row's place carries the bracketed count: wider than a plain place.
    const int plain = rightmostColour(picture, gameRow(1, 1, 50), kWhiteRgb);
    const int human = rightmostColour(picture, gameRow(2, 1, 50), kWhiteRgb);
    EXPECT_GT(human, plain + 20);
    EXPECT_EQ(countColour(picture, gameRow(3, 50, kCombos + 193), kGreenRgb), 0);
}

TEST_F(RecordTablesTest, PrizeRowsDrawTheirColumns)
{
    TRecordEntry &row = data.Records[21];
    row.Name = Str17::fromText("Вася");
    row.Score = 12345;
    row.Date = 45000.0;
    row.Prize.Place = 1;
    row.Prize.Difficulty = 5;
    row.Prize.Rounds = 10;
    row.Prize.Participants = 4;
    row.Prize.AvgScore = 20000;
    const QImage picture = draw();
    EXPECT_GT(countColour(picture, prizeRow(1, 50, 190), kAquaRgb), 0);
    EXPECT_GT(countColour(picture, prizeRow(1, 190, 260), kRedRgb), 0);
    EXPECT_GT(countColour(picture, prizeRow(1, 260, 320), kYellowRgb), 0);
    EXPECT_GT(countColour(picture, prizeRow(1, 320, 800), kGreenRgb), 0);
    EXPECT_TRUE(allColour(picture, prizeRow(2, 50, 800), kNavyRgb));
}

TEST_F(RecordTablesTest, SheetShowsThePictureUnderBothHeaders)
{
    enterGame("Вася", 280, 0);
    QWidget page;
    RecordSheet sheet(data, &page);
    sheet.DrawRecordTables();
    EXPECT_EQ(sheet.gameHeader()->geometry(), QRect(0, 17, 800, 18));
    EXPECT_EQ(sheet.prizeHeader()->geometry(), QRect(0, 363, 800, 18));
    EXPECT_EQ(sheet.gameHeader()->widths(),
              std::vector<int>(kGameWidths.begin(), kGameWidths.end()));
    EXPECT_EQ(sheet.prizeHeader()->widths(),
              std::vector<int>(kPrizeWidths.begin(), kPrizeWidths.end()));

    auto *image = sheet.findChild<QWidget *>("RecImage");
    ASSERT_NE(image, nullptr);
    const int lineBefore = kCombos + 193;
    EXPECT_EQ(image->grab().toImage().pixelColor(lineBefore, 200), kWhiteRgb);
    // Narrowing the name column moves the combinations and their lines left.
    sheet.gameHeader()->resizeSection(1, 100);
    const QImage after = image->grab().toImage();
    EXPECT_EQ(after.pixelColor(lineBefore, 200), kNavyRgb);
    EXPECT_EQ(after.pixelColor(lineBefore - 20, 200), kWhiteRgb);
}
