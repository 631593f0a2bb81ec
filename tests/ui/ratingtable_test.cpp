#include "app/ratingsheet.h"
#include "platform/hintheader.h"
#include "platform/tablestyle.h"
#include "results/ratingrows.h"
#include "results/ratingtable.h"

#include "tests/support/ratingsupport.h"
#include "tests/ui/pixels.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <array>

namespace
{

const QColor kNavyRgb(0, 0, 128);
const QColor kWhiteRgb(255, 255, 255);
const QColor kYellowRgb(255, 255, 0);
const QColor kAquaRgb(0, 255, 255);
const QColor kFuchsiaRgb(255, 0, 255);
const QColor kLimeRgb(0, 255, 0);
const QColor kRedRgb(255, 0, 0);
const QColor kOliveRgb(128, 128, 0);

constexpr std::array<int, 7> kWidths = {50, 130, 85, 65, 85, 40, 65};
// Where each column of kWidths starts, the first a pixel in.
constexpr std::array<int, 7> kLefts = {1, 50, 180, 265, 330, 415, 455};

// The strip of row r between the left edges x0 and x1.
QRect rowArea(int r, int x0, int x1)
{
    return QRect(QPoint(x0, (r - 1) * 15 + 2), QPoint(x1 - 1, (r - 1) * 15 + 16));
}

class RatingTableTest : public ::testing::Test
{
protected:
    RatingTableTest() { ResetRatingWithMembers(data, {"Вася"}); }
    QImage draw(std::span<const int> widths = kWidths)
    {
        QImage picture(kRatingPictureSize, QImage::Format_RGB32);
        PaintRatingTable(picture, data, widths);
        return picture;
    }

    SharedData data;
};

} // namespace

TEST_F(RatingTableTest, RowsStandOnNavyWithColouredColumns)
{
    data.Rating[31].RatingPoints = 900;
    SortRating(data);
    const QImage picture = draw();
    ASSERT_EQ(picture.size(), QSize(513, 600));
    // Below the 31 rows and right of the text nothing but navy.
    EXPECT_TRUE(allColour(picture, QRect(0, 31 * 15 + 2, 513, 600 - 31 * 15 - 2), kNavyRgb));
    EXPECT_TRUE(allColour(picture, QRect(0, 0, 513, 2), kNavyRgb));
    // Every row whole: each text at its column's left edge in the column's colour; the club
    // member leads in aqua, the computers follow in yellow.
    for (int r = 1; r <= 31; ++r) {
        const RatingRowTexts row = RatingRow(data, r);
        const auto cell = [&](int column, const std::string &text, const QColor &ink) {
            return PlacedText{QPoint(kLefts[column - 1], (r - 1) * 15 + 2), text, ink, TableFont()};
        };
        EXPECT_TRUE(showsTexts(picture, rowArea(r, 0, 513),
                               {cell(1, row.place, kWhiteRgb),
                                cell(2, row.name, r == 1 ? kAquaRgb : kYellowRgb),
                                cell(3, row.games, kLimeRgb), cell(4, row.average, kRedRgb),
                                cell(5, row.last50, kFuchsiaRgb), cell(6, row.prize, kOliveRgb),
                                cell(7, row.rating, kYellowRgb)}))
            << "row " << r;
    }
}

TEST_F(RatingTableTest, NarrowingAColumnMovesTheLaterColumnsLeft)
{
    const QImage wide = draw();
    const std::array<int, 7> narrowed = {50, 100, 85, 65, 85, 40, 65};
    const QImage narrow = draw(narrowed);
    const int before = rightmostColour(wide, rowArea(1, 180, 513), kYellowRgb);
    const int after = rightmostColour(narrow, rowArea(1, 150, 513), kYellowRgb);
    ASSERT_GE(before, 455) << "the rating points, in the last column";
    EXPECT_EQ(after, before - 30);
}

TEST_F(RatingTableTest, SheetRedrawsWhenTheUserResizesASection)
{
    QWidget page;
    RatingSheet sheet(data, &page);
    sheet.DrawRatingTable();
    auto *image = sheet.findChild<QWidget *>("RayImage");
    ASSERT_NE(image, nullptr);
    const QImage before = image->grab().toImage();
    EXPECT_EQ(before.size(), QSize(513, 600));
    EXPECT_EQ(before.pixelColor(500, 590), kNavyRgb);
    const int yellowBefore = rightmostColour(before, rowArea(1, 180, 513), kYellowRgb);

    sheet.header()->resizeSection(1, 100);
    const QImage after = image->grab().toImage();
    EXPECT_EQ(rightmostColour(after, rowArea(1, 150, 513), kYellowRgb), yellowBefore - 30);
    EXPECT_EQ(sheet.header()->widths(), (std::vector<int>{50, 100, 85, 65, 85, 40, 65}));
}
