#pragma once

#include "data/shareddata.h"

#include <QImage>
#include <QSize>

#include <span>

constexpr QSize kRecordsPictureSize{800, 530};

// Where the two tables sit in the picture: the text top of the first row of each, and the
// label and header of the prize table (the game table's are at the top).
constexpr int kGameRowsTop = 35;
constexpr int kPrizeLabelTop = 345;
constexpr int kPrizeHeaderTop = 363;
constexpr int kPrizeRowsTop = 381;
constexpr int kRowHeight = 15;

// Redraws the whole records picture: game rows under the first header, prize rows under the
// second, the columns placed by each header's section widths.
void PaintRecordTables(QImage &picture, const SharedData &data, std::span<const int> gameWidths,
                       std::span<const int> prizeWidths);
