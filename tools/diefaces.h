#pragma once

#include "tools/bitmap16.h"

// One face of a white die with rounded corners and dark pips, on the dice panel's green.
Bitmap16 drawDieFace(int face);
