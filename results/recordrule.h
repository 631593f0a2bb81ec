#pragma once

#include "data/records.h"

// Enters a value into rows first..last, ordered by Score, highest first. Rows below the new
// place move down one and the last row drops out; equal scores stay above the new row.
// Returns the row taken, or 0 when the value is not above the last row's score.
int EnterRecordRow(OneBased<TRecordEntry, 31> &records, int first, int last, int32_t value);

constexpr int kFirstGameRow = 1;
constexpr int kLastGameRow = 20;
constexpr int kFirstPrizeRow = 21;
constexpr int kLastPrizeRow = 30;
