#include "tests/ui/pixels.h"

#include <cstdlib>

int countColour(const QImage &image, const QRect &area, const QColor &colour, int tolerance)
{
    const auto near = [&](const QColor &pixel) {
        return std::abs(pixel.red() - colour.red()) <= tolerance &&
               std::abs(pixel.green() - colour.green()) <= tolerance &&
               std::abs(pixel.blue() - colour.blue()) <= tolerance;
    };
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += near(image.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}

int rightmostColour(const QImage &image, const QRect &area, const QColor &colour)
{
    const QRect inside = area & image.rect();
    for (int x = inside.right(); x >= inside.left(); --x) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            if (image.pixelColor(x, y) == colour)
                return x;
        }
    }
    return -1;
}

bool allColour(const QImage &image, const QRect &area, const QColor &colour)
{
    const QRect inside = area & image.rect();
    return !inside.isEmpty() &&
           countColour(image, inside, colour) == inside.width() * inside.height();
}
