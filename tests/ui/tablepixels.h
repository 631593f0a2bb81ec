#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Looking for the exact colours the tables draw in; blended edges of letters are ignored.
int countColour(const QImage &image, const QRect &area, QColor colour);
// The rightmost column in area holding the colour, or -1.
int rightmostColour(const QImage &image, const QRect &area, QColor colour);
// Whether every pixel in area has the colour.
bool allColour(const QImage &image, const QRect &area, QColor colour);
