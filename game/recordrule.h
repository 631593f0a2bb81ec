#pragma once

#include "data/records.h"

// Enters a value into rows first..last, ordered by Score, highest first. Rows below the new
// place move down one and the last row drops out; equal scores stay above the new row.
// Returns the row taken, or 0 when the value is not above the last row's score.
int EnterRecordRow(OneBased<TRecordEntry, 31> &records, int first, int last, int32_t value);

// A finished game offered to the game rows: who, the booked score, the day, the difficulty
// (0 for a human's game) and the points of the sixteen combinations.
int EnterGameRecord(OneBased<TRecordEntry, 31> &records, const Str17 &name, int32_t score,
                    double date, uint8_t difficulty, const OneBased<int32_t, 16> &comboScores);

// A club member's prize offered to the prize rows: who, the prize × 100, the day and the
// competition's figures (AvgBalls and IsCham only for a championship).
int EnterPrizeRecord(OneBased<TRecordEntry, 31> &records, const Str17 &name, int32_t score,
                     double date, const TPrizeFields &prize);

constexpr int kFirstGameRow = 1;
constexpr int kLastGameRow = 20;
constexpr int kFirstPrizeRow = 21;
constexpr int kLastPrizeRow = 30;
