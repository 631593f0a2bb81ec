#include "platform/headercolumns.h"

#include <gtest/gtest.h>

#include <array>

namespace
{

// The rating header's default sections.
constexpr std::array<int, 7> kRating = {50, 130, 85, 65, 85, 40, 65};

} // namespace

TEST(HeaderColumns, ColumnUnderTheMouseIsTheFirstWhoseRunningSumReachesX)
{
    EXPECT_EQ(ColumnAt(kRating, 0), 0);
    EXPECT_EQ(ColumnAt(kRating, -5), 0);
    EXPECT_EQ(ColumnAt(kRating, 1), 1);
    EXPECT_EQ(ColumnAt(kRating, 50), 1);
    EXPECT_EQ(ColumnAt(kRating, 51), 2);
    EXPECT_EQ(ColumnAt(kRating, 180), 2);
    EXPECT_EQ(ColumnAt(kRating, 181), 3);
    EXPECT_EQ(ColumnAt(kRating, 520), 7);
    EXPECT_EQ(ColumnAt(kRating, 521), 7) << "right of the last column it is the last";
    EXPECT_EQ(ColumnAt(kRating, 5000), 7);
}

TEST(HeaderColumns, ZeroWidthSectionsAreSkippedAndNoSectionsMeanNoColumn)
{
    const std::array<int, 3> widths = {0, 0, 40};
    EXPECT_EQ(ColumnAt(widths, 1), 3);
    EXPECT_EQ(ColumnAt(std::span<const int>(), 10), 0);
}

TEST(HeaderColumns, ColumnsStartWhereTheSectionsBeforeThemEnd)
{
    EXPECT_EQ(ColumnLeft(kRating, 1), 1);
    EXPECT_EQ(ColumnLeft(kRating, 2), 50);
    EXPECT_EQ(ColumnLeft(kRating, 3), 180);
    EXPECT_EQ(ColumnLeft(kRating, 7), 455);
    const std::array<int, 7> narrowed = {50, 100, 85, 65, 85, 40, 65};
    EXPECT_EQ(ColumnLeft(narrowed, 7), 425) << "later columns move left with a narrower one";
}
