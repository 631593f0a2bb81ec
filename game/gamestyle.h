#pragma once

#include "game/scoring.h"

#include <QColor>
#include <QFont>

// The sixteen-colour palette and the two fonts the game window is drawn in.
namespace gamestyle
{

inline const QColor navy{0, 0, 128};
inline const QColor green{0, 128, 0};
inline const QColor teal{0, 128, 128};
inline const QColor purple{128, 0, 128};
inline const QColor blue{0, 0, 255};
inline const QColor red{255, 0, 0};
inline const QColor fuchsia{255, 0, 255};
inline const QColor aqua{0, 255, 255};
inline const QColor lime{0, 255, 0};
inline const QColor yellow{255, 255, 0};
inline const QColor white{255, 255, 255};
// Value boxes: light for navy and green text, dark for the white and yellow bonus cells.
inline const QColor boxFace{212, 208, 200};

inline QColor textOf(CellColour colour)
{
    switch (colour) {
    case CellColour::Navy:
        return navy;
    case CellColour::Green:
        return green;
    case CellColour::White:
        return white;
    case CellColour::Yellow:
        return yellow;
    }
    return navy;
}

inline QColor backgroundOf(CellColour colour)
{
    return colour == CellColour::White || colour == CellColour::Yellow ? navy : boxFace;
}

// Labels, names and captions.
inline QFont textFont()
{
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    return font;
}

// Right-aligned numbers in columns.
inline QFont numberFont()
{
    QFont font("Liberation Mono");
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(12);
    return font;
}

} // namespace gamestyle
