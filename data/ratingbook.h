#pragma once

#include "data/records.h"

// One played game in a rating entry: the score joins the last fifty, the oldest drops out.
void BookGameScore(TRatingEntry &entry, int32_t score);
int32_t RatingPointsOf(const TRatingEntry &entry);
// An entry with no games and the given name.
void ResetRatingEntry(TRatingEntry &entry, const Str17 &name);
