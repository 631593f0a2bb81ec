#include "game/gamepictures.h"

#include <gtest/gtest.h>

// Each die cell answers from its first pixel to the one just past its edge, and nowhere else.
TEST(DieCells, APressHitsTheCellUnderItOnly)
{
    for (int row = 1; row <= 2; ++row) {
        for (int column = 1; column <= 5; ++column) {
            const int left = 60 * column - 55;
            const int top = 80 * row - 75;
            for (const QPoint at : {QPoint(left, top), QPoint(left + 50, top + 50)}) {
                const auto cell = gamepictures::DieCellAt(at);
                ASSERT_TRUE(cell) << row << " " << column;
                EXPECT_TRUE(cell->row == row && cell->column == column) << row << " " << column;
            }
            for (const QPoint at : {QPoint(left - 1, top), QPoint(left + 51, top),
                                    QPoint(left, top - 1), QPoint(left, top + 51)})
                EXPECT_FALSE(gamepictures::DieCellAt(at)) << at.x() << " " << at.y();
        }
    }
}
