#pragma once

#include "platform/palette.h"

#include <QFont>

// The tables' text font: fixed-width, so right-aligned numbers line up. Sizes are in points at
// 96 dots per inch, fixed in pixels so the pictures look the same on every screen.
QFont TableFont(int points = 10);
