#include "competition/standings.h"

#include "data/rankorder.h"

void SortTurOrder(SharedData &data, const TSaveSlot &slot)
{
    RankOrder(data.TurOrder, slot.Tur.ParticipantCount,
              [&](int p) { return int64_t(slot.Tur.TurTotal[p]); });
}

void SortChamOrder(SharedData &data, const TSaveSlot &slot)
{
    // In 64 bits: a crafted file cannot overflow the key, and reachable values sort the same.
    RankOrder(data.ChamOrder, slot.Cham.ParticipantCount,
              [&](int p) { return int64_t(slot.Cham.Balls[p]) * 10000 + slot.Cham.Points[p]; });
}
