#pragma once

#include "game/gamebooking.h"
#include "game/gamescreen.h"

#include <QImage>

#include <optional>

class DiePictures;
class QPainter;

// The two pictures of the game window, drawn from the game's state.
namespace gamepictures
{

inline constexpr QSize kCubeSize{296, 141};
inline constexpr QSize kPlaceSize{297, 201};

// One die cell of the dice picture; row 1 holds thrown dice, row 2 held and kept ones.
void DrawDie(QPainter &painter, const DiePictures &pictures, bool show, int face, int row,
             int column);

struct DieCell {
    int row = 0;
    int column = 0;
};
// The die cell that a press at a point of the dice picture hits, if any.
std::optional<DieCell> DieCellAt(QPoint at);
// A die's arrow button, in the gap between the rows under the die's column.
QRect DieButtonRect(int column);

// Both rows of dice on the green panel.
QImage DrawCube(const GameScreen &screen, const DiePictures &pictures);

// The framed standings: place, name, total and the gap to the leader, one row per player.
// Before the first standings of a game only the frame is drawn.
void PaintStandings(QImage &place, const GamePlayers &players, int count,
                    const Standings &standings, bool shown);

} // namespace gamepictures
