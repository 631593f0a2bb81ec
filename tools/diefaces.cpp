#include "tools/diefaces.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace
{

constexpr int kSize = 50;
constexpr double kCentre = 25.0;
constexpr double kHalf = 24.0; // the die leaves one pixel of background around it
constexpr double kCorner = 8.0;
constexpr double kPipStep = 12.0;
constexpr double kPipRadius = 4.6;

// Signed distance from the die's outline: negative inside.
double bodyDistance(double x, double y)
{
    const double qx = std::abs(x - kCentre) - (kHalf - kCorner);
    const double qy = std::abs(y - kCentre) - (kHalf - kCorner);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - kCorner;
}

// Pip centres in steps from the middle, in the usual layouts.
std::vector<std::pair<int, int>> pipLayout(int face)
{
    const std::pair<int, int> centre{0, 0}, topLeft{-1, -1}, topRight{1, -1}, bottomLeft{-1, 1},
        bottomRight{1, 1}, midLeft{-1, 0}, midRight{1, 0};
    switch (face) {
    case 1:
        return {centre};
    case 2:
        return {topLeft, bottomRight};
    case 3:
        return {topLeft, centre, bottomRight};
    case 4:
        return {topLeft, topRight, bottomLeft, bottomRight};
    case 5:
        return {topLeft, topRight, centre, bottomLeft, bottomRight};
    default:
        return {topLeft, topRight, midLeft, midRight, bottomLeft, bottomRight};
    }
}

// Share of the pixel covered by a pip, from a 4 x 4 grid of samples.
double pipCoverage(int px, int py, const std::vector<std::pair<int, int>> &pips)
{
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double x = px + (sx + 0.5) / 4.0;
            const double y = py + (sy + 0.5) / 4.0;
            for (const auto &[cx, cy] : pips) {
                if (std::hypot(x - (kCentre + cx * kPipStep), y - (kCentre + cy * kPipStep)) <
                    kPipRadius) {
                    ++hits;
                    break;
                }
            }
        }
    }
    return hits / 16.0;
}

Bitmap16::Colour bodyColour(double x, double y, double distance)
{
    if (distance >= 0)
        return Bitmap16::Green;
    if (distance >= -1)
        return Bitmap16::Gray;
    // A shaded band along the lower right edge gives the die its rounded look.
    if (distance >= -3.5 && x + y > 2 * kCentre + 6)
        return Bitmap16::Silver;
    return Bitmap16::White;
}

} // namespace

Bitmap16 drawDieFace(int face)
{
    Bitmap16 picture(kSize, kSize, Bitmap16::Green);
    const auto pips = pipLayout(face);
    for (int py = 0; py < kSize; ++py) {
        for (int px = 0; px < kSize; ++px) {
            const double x = px + 0.5;
            const double y = py + 0.5;
            Bitmap16::Colour colour = bodyColour(x, y, bodyDistance(x, y));
            const double cover = pipCoverage(px, py, pips);
            // Partly covered pixels turn grey so the pips look round at this size.
            if (cover >= 0.6)
                colour = Bitmap16::Black;
            else if (cover >= 0.2)
                colour = Bitmap16::Gray;
            picture.setPixel(px, py, colour);
        }
    }
    return picture;
}
