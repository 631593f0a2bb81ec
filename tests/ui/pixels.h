#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Pixels of the colour in area, each channel within tolerance (0: the exact colours the
// pictures draw in, so blended letter edges are ignored).
int countColour(const QImage &image, const QRect &area, const QColor &colour, int tolerance = 0);
// The rightmost column in area holding the colour, or -1.
int rightmostColour(const QImage &image, const QRect &area, const QColor &colour);
// Whether every pixel in area has the colour.
bool allColour(const QImage &image, const QRect &area, const QColor &colour);
