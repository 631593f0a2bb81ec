#pragma once

#include "data/shareddata.h"

#include <QImage>
#include <QSize>

#include <span>

constexpr QSize kRatingPictureSize{513, 600};

// Redraws the whole rating picture from RatingOrder, the columns placed by the header's
// section widths. The caller sorts the rating first.
void PaintRatingTable(QImage &picture, const SharedData &data, std::span<const int> widths);
