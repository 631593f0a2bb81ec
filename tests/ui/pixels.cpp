#include "tests/ui/pixels.h"

#include <QPainter>

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

testing::AssertionResult showsTexts(const QImage &picture, const QRect &area,
                                    const std::vector<PlacedText> &texts, const QColor &background)
{
    const QRect inside = area & picture.rect();
    QImage expected(inside.size(), QImage::Format_RGB32);
    expected.fill(background);
    QPainter painter(&expected);
    painter.translate(-inside.topLeft());
    for (const PlacedText &placed : texts) {
        painter.setFont(placed.font);
        painter.setPen(placed.ink);
        painter.drawText(placed.at + QPoint(0, painter.fontMetrics().ascent()),
                         QString::fromStdString(placed.text));
    }
    painter.end();
    const QImage shown = picture.copy(inside).convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < inside.height(); ++y) {
        for (int x = 0; x < inside.width(); ++x)
            differing += shown.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
    }
    if (inside.isEmpty() || differing > 0)
        return testing::AssertionFailure()
               << differing << " pixels differ in (" << inside.x() << ", " << inside.y() << ") "
               << inside.width() << "x" << inside.height();
    return testing::AssertionSuccess();
}
