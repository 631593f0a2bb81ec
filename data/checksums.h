#pragma once

#include "data/shareddata.h"

// Sums that notice hand editing of the checked files; they wrap like 32-bit integers.
int32_t RatingChecksum(const SharedData &data);
int32_t RecordsChecksum(const SharedData &data);
int32_t SlotsChecksum(const SharedData &data);
int32_t VerdictsChecksum(const SharedData &data);
