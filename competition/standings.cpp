#include "competition/standings.h"

#include <functional>

namespace
{

// Inserts each participant before the first earlier one that ranks strictly lower.
template <std::size_t N>
void insertionOrder(OneBased<uint8_t, N> &order, int count, const std::function<int64_t(int)> &key)
{
    for (int i = 1; i <= count; ++i) {
        int j = 1;
        while (j < i && key(order[j]) >= key(i))
            ++j;
        for (int m = i; m > j; --m)
            order[m] = order[m - 1];
        order[j] = uint8_t(i);
    }
}

} // namespace

void SortTurOrder(SharedData &data, const TSaveSlot &slot)
{
    insertionOrder(data.TurOrder, slot.Tur.ParticipantCount,
                   [&](int p) { return int64_t(slot.Tur.TurTotal[p]); });
}

void SortChamOrder(SharedData &data, const TSaveSlot &slot)
{
    // In 64 bits: a crafted file cannot overflow the key, and reachable values sort the same.
    insertionOrder(data.ChamOrder, slot.Cham.ParticipantCount, [&](int p) {
        return int64_t(slot.Cham.Balls[p]) * 10000 + slot.Cham.Points[p];
    });
}

int ChamPlaceOf(const SharedData &data, const TSaveSlot &slot, int participant)
{
    for (int r = 1; r <= slot.Cham.ParticipantCount; ++r) {
        if (data.ChamOrder[r] == participant)
            return r;
    }
    return 0;
}
