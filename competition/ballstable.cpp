#include "competition/ballstable.h"

#include <cassert>
#include <cstdint>

namespace
{

constexpr int kSmallestGroup = 4;
constexpr int kLargestGroup = 10;

// Rows for group sizes 4..10; places past the group size are 0.
constexpr uint8_t kBalls[7][10] = {
    {4, 2, 1, 0, 0, 0, 0, 0, 0, 0},  {5, 3, 2, 1, 0, 0, 0, 0, 0, 0}, {6, 4, 3, 2, 1, 0, 0, 0, 0, 0},
    {7, 5, 4, 2, 1, 0, 0, 0, 0, 0},  {8, 6, 5, 3, 2, 1, 0, 0, 0, 0}, {9, 7, 6, 4, 3, 1, 0, 0, 0, 0},
    {10, 8, 7, 5, 4, 2, 1, 0, 0, 0},
};

} // namespace

int GroupBalls(int groupSize, int place)
{
    assert(groupSize >= kSmallestGroup && groupSize <= kLargestGroup);
    assert(place >= 1 && place <= groupSize);
    return kBalls[groupSize - kSmallestGroup][place - 1];
}

double GroupBallsAverage(int groupSize)
{
    int sum = 0;
    for (int place = 1; place <= groupSize; ++place)
        sum += GroupBalls(groupSize, place);
    return double(sum) / groupSize;
}
