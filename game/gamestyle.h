#pragma once

#include "game/scoring.h"
#include "platform/fontnames.h"
#include "platform/palette.h"

#include <QColor>
#include <QFont>

// The value box colours and the two fonts the game window is drawn in.
namespace gamestyle
{

// Value boxes: light for navy and green text, dark for the white and yellow bonus cells.
inline const QColor boxFace = palette::face;

inline QColor textOf(CellColour colour)
{
    switch (colour) {
    case CellColour::Navy:
        return palette::navy;
    case CellColour::Green:
        return palette::green;
    case CellColour::White:
        return palette::white;
    case CellColour::Yellow:
        return palette::yellow;
    }
    return palette::navy;
}

inline QColor backgroundOf(CellColour colour)
{
    return colour == CellColour::White || colour == CellColour::Yellow ? palette::navy : boxFace;
}

// Labels, names and captions.
inline QFont textFont()
{
    QFont font(fontnames::sans());
    font.setPixelSize(12);
    return font;
}

// Right-aligned numbers in columns.
inline QFont numberFont()
{
    return monoFont(12);
}

} // namespace gamestyle
