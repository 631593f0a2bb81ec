#pragma once

#include "competition/standingsrows.h"

#include <QImage>

#include <span>

// Redraws a whole standings picture: navy, then row r with its top at (r - 1) * rowPitch + 2,
// each cell at the left edge of its header column.
void PaintStandings(QImage &picture, const std::vector<StandingsRow> &rows, int rowPitch,
                    std::span<const int> widths);
