#pragma once

#include <QColor>
#include <QFont>

#include <cstdint>
#include <string>

class QPainter;

// Colours as the tables name them, given as 0xBBGGRR.
constexpr uint32_t kNavy = 0x800000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kAqua = 0xFFFF00;
constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kLime = 0x00FF00;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kFuchsia = 0xFF00FF;
constexpr uint32_t kOlive = 0x008080;
constexpr uint32_t kTeal = 0x808000;
constexpr uint32_t kGreen = 0x008000;

QColor BgrColour(uint32_t bgr);

// The tables' text font: fixed-width, so right-aligned numbers line up. Sizes are in points at
// 96 dots per inch, fixed in pixels so the pictures look the same on every screen.
QFont TableFont(int points = 10);

// Text with its top left corner at x, y.
void DrawTableText(QPainter &painter, int x, int y, const std::string &text, uint32_t bgr);
