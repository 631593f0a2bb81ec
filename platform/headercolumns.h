#pragma once

#include <span>

// The tables are pictures under header controls: each column starts where the header's
// sections before it end, so resizing a section moves the later columns.

// Left edge in the picture of column (1-based); the first column keeps a pixel of margin.
int ColumnLeft(std::span<const int> widths, int column);

// The column under the mouse at x: the first whose running width sum reaches x; 0 at x <= 0;
// the last one right of the last section.
int ColumnAt(std::span<const int> widths, int x);
