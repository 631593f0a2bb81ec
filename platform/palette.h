#pragma once

#include <QColor>
#include <QFont>

#include <string>

class QPainter;
class QWidget;

// The sixteen-colour palette every picture of the game is drawn in.
namespace palette
{
inline const QColor navy{0, 0, 128};
inline const QColor green{0, 128, 0};
inline const QColor teal{0, 128, 128};
inline const QColor olive{128, 128, 0};
inline const QColor purple{128, 0, 128};
inline const QColor blue{0, 0, 255};
inline const QColor red{255, 0, 0};
inline const QColor fuchsia{255, 0, 255};
inline const QColor aqua{0, 255, 255};
inline const QColor lime{0, 255, 0};
inline const QColor yellow{255, 255, 0};
inline const QColor white{255, 255, 255};
// The light grey of the classic dialog face, which the coloured labels were chosen to stand on.
inline const QColor face{212, 208, 200};
} // namespace palette

// A label's text colour with the background it stands on, so a dark desktop palette or high
// contrast never puts navy or red text on black.
void setTextColours(QWidget *widget, const QColor &text, const QColor &background = palette::face);

// Fixed-width, so right-aligned numbers line up.
QFont monoFont(int pixelSize);

// Text in the pictures is drawn solid: plain pixels in the exact colours, crisp on navy.
QFont solidFont(QFont font);

// Text with its top left corner at x, top.
void drawTextAt(QPainter &painter, int x, int top, const QColor &colour, const std::string &text);
