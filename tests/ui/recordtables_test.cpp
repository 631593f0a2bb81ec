#include "app/recordsheet.h"
#include "game/recordrule.h"
#include "platform/hintheader.h"
#include "platform/tablestyle.h"
#include "results/recordrows.h"
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
// The white lines between combinations 6|7, 10|11 and 14|15.
constexpr std::array<int, 3> kLines = {kCombos + 193, kCombos + 321, kCombos + 449};

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
    // Game row b exactly: its place and, unless free, its name in nameInk, date, score and
    // combinations, in a smaller font set three pixels lower; the strips between the lines.
    void expectGameRow(const QImage &picture, int b, const QColor &nameInk = kAquaRgb)
    {
        const GameRecordTexts row = GameRecordRows(data)[std::size_t(b)];
        const int top = (b - 1) * 15 + 35;
        std::vector<PlacedText> texts = {{QPoint(1, top), row.place, kWhiteRgb, TableFont(10)}};
        if (!row.free) {
            texts.push_back({QPoint(50, top), row.name, nameInk, TableFont(10)});
            texts.push_back({QPoint(170, top), row.date, kRedRgb, TableFont(10)});
            texts.push_back({QPoint(240, top), row.score, kYellowRgb, TableFont(10)});
            for (std::size_t c = 0; c < 16; ++c)
                texts.push_back({QPoint(kCombos + 32 * int(c), top + 3), row.combos[c], kGreenRgb,
                                 TableFont(8)});
        }
        int left = 0;
        for (const int right : {kLines[0], kLines[1], kLines[2], 800}) {
            EXPECT_TRUE(showsTexts(picture, gameRow(b, left, right), texts)) << "game row " << b;
            left = right + 1;
        }
    }
    // Prize row p exactly: its place and, unless free, its name, date, prize and the
    // competition's figures.
    void expectPrizeRow(const QImage &picture, int p)
    {
        const PrizeRecordTexts row = PrizeRecordRows(data)[std::size_t(p)];
        const auto cell = [&](int left, const std::string &text, const QColor &ink) {
            return PlacedText{QPoint(left, (p - 1) * 15 + 381), text, ink, TableFont(10)};
        };
        std::vector<PlacedText> texts = {cell(1, row.place, kWhiteRgb)};
        if (!row.free)
            texts.insert(texts.end(),
                         {cell(50, row.name, kAquaRgb), cell(190, row.date, kRedRgb),
                          cell(260, row.prize, kYellowRgb), cell(320, row.takenPlace, kGreenRgb),
                          cell(405, row.difficulty, kGreenRgb), cell(470, row.avgBalls, kGreenRgb),
                          cell(545, row.avgScore, kGreenRgb), cell(615, row.rounds, kGreenRgb),
                          cell(700, row.participants, kGreenRgb)});
        EXPECT_TRUE(showsTexts(picture, prizeRow(p, 0, 800), texts)) << "prize row " << p;
    }

    SharedData data;
};

} // namespace

TEST_F(RecordTablesTest, FreeRowsShowOnlyPlacesAndTheLines)
{
    const QImage picture = draw();
    ASSERT_EQ(picture.size(), QSize(800, 530));
    for (int b = 1; b <= 20; ++b)
        expectGameRow(picture, b);
    for (int p = 1; p <= 10; ++p)
        expectPrizeRow(picture, p);
    // Nothing but navy where names, dates, scores and combinations would be, except the lines.
    EXPECT_TRUE(allColour(picture, QRect(50, 35, kCombos + 193 - 50, 300), kNavyRgb));
    EXPECT_TRUE(allColour(picture, QRect(50, 381, 750, 149), kNavyRgb));
    // The white lines between combinations 6|7, 10|11 and 14|15, from y 35 to 335.
    for (const int x : kLines) {
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
    // The computer's name in aqua, the human's in teal.
    expectGameRow(picture, 1, kAquaRgb);
    expectGameRow(picture, 2, kTealRgb);
    expectGameRow(picture, 3);
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
    expectPrizeRow(picture, 1);
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
