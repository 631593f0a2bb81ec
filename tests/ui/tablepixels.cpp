#include "tests/ui/tablepixels.h"

int countColour(const QImage &image, const QRect &area, QColor colour)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

int rightmostColour(const QImage &image, const QRect &area, QColor colour)
{
    const QRect inside = area & image.rect();
    for (int x = inside.right(); x >= inside.left(); --x)
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            if (image.pixelColor(x, y) == colour)
                return x;
    return -1;
}

bool allColour(const QImage &image, const QRect &area, QColor colour)
{
    return countColour(image, area, colour) ==
           (area & image.rect()).width() * (area & image.rect()).height();
}
