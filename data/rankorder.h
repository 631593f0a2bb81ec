#pragma once

#include "data/onebased.h"

#include <cstdint>

// Fills order[1..count] with the numbers 1..count by key, highest first. Each number goes
// before the first one already listed whose key is strictly lower, so equal keys keep the
// lower number first. Places past count are left as they are.
template <std::size_t N, typename Key>
void RankOrder(OneBased<uint8_t, N> &order, int count, const Key &key)
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
