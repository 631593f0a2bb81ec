#include "platform/picturebox.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(PictureBox, HiddenBoxDrawsOnlyWhenShownOrRead)
{
    QWidget page;
    PictureBox box(QSize(4, 4), &page);
    box.setPicture(QImage(4, 4, QImage::Format_RGB32));
    int draws = 0;
    const auto paintRed = [&](QImage &picture) {
        ++draws;
        picture.fill(Qt::red);
    };
    box.redraw(paintRed);
    box.redraw(paintRed);
    EXPECT_EQ(draws, 0) << "nothing drawn while hidden";
    EXPECT_EQ(box.picture().pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(draws, 1) << "reading draws the latest state once";

    box.redraw([&](QImage &picture) {
        ++draws;
        picture.fill(Qt::blue);
    });
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    EXPECT_EQ(draws, 2);
    EXPECT_EQ(box.grab().toImage().pixelColor(1, 1), QColor(Qt::blue));

    box.redraw(paintRed);
    EXPECT_EQ(draws, 3) << "a visible box draws at once";
}
