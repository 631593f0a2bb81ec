#pragma once

#include <QPixmap>

// The small pictures on the window's buttons, drawn here rather than shipped as files.
namespace gameglyphs
{

constexpr int kSize = 16;

// A hand: write the kept dice into this combination.
QPixmap write();
// A red cross: this combination can only be struck.
QPixmap strike();
// Down: hold the die; up: give it back.
QPixmap arrow(bool up);
// Two arrows down: hold every free die.
QPixmap all();
// A bent arrow back: take back the last write.
QPixmap undo();

} // namespace gameglyphs
