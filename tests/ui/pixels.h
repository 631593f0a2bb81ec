#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Pixels of the colour in area, each channel within tolerance (0: the exact colours the
// pictures draw in, so blended letter edges are ignored).
int countColour(const QImage &image, const QRect &area, const QColor &colour, int tolerance = 0);
// The rightmost column in area holding the colour, or -1.
int rightmostColour(const QImage &image, const QRect &area, const QColor &colour);
// Whether every pixel in area has the colour.
bool allColour(const QImage &image, const QRect &area, const QColor &colour);

// A text as the pictures draw it: its top left in the picture, its ink and font.
struct PlacedText {
    QPoint at;
    std::string text;
    QColor ink;
    QFont font;
};
// Whether area of picture is exactly the texts alone on background; fails with the number of
// pixels that differ.
testing::AssertionResult showsTexts(const QImage &picture, const QRect &area,
                                    const std::vector<PlacedText> &texts,
                                    const QColor &background = QColor(0, 0, 128));
// The same for one text drawn from the top left of cell.
inline testing::AssertionResult showsText(const QImage &picture, const QRect &cell,
                                          const std::string &text, const QColor &ink,
                                          const QFont &font)
{
    return showsTexts(picture, cell, {{cell.topLeft(), text, ink, font}});
}
