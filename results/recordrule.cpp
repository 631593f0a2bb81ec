#include "results/recordrule.h"

int EnterRecordRow(OneBased<TRecordEntry, 31> &records, int first, int last, int32_t value)
{
    int p = last + 1;
    while (p > first && records[p - 1].Score < value) {
        if (p <= last)
            records[p] = records[p - 1];
        --p;
    }
    if (p == last + 1)
        return 0;
    records[p] = TRecordEntry{};
    records[p].Score = value;
    return p;
}
