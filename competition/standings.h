#pragma once

#include "data/shareddata.h"

// TurOrder: participants by TurTotal, highest first; equal totals keep the lower number first.
void SortTurOrder(SharedData &data, const TSaveSlot &slot);

// ChamOrder: participants by balls × 10000 + points, highest first; equal keys keep the lower
// number first.
void SortChamOrder(SharedData &data, const TSaveSlot &slot);
