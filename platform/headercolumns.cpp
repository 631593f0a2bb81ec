#include "platform/headercolumns.h"

int ColumnLeft(std::span<const int> widths, int column)
{
    if (column <= 1)
        return 1;
    int left = 0;
    for (int c = 0; c < column - 1 && c < int(widths.size()); ++c)
        left += widths[c];
    return left;
}

int ColumnAt(std::span<const int> widths, int x)
{
    if (x <= 0 || widths.empty())
        return 0;
    int sum = 0;
    for (int c = 0; c < int(widths.size()); ++c) {
        sum += widths[c];
        if (sum >= x)
            return c + 1;
    }
    return int(widths.size());
}
