#include "game/recordrule.h"

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

int EnterGameRecord(OneBased<TRecordEntry, 31> &records, const Str17 &name, int32_t score,
                    double date, uint8_t difficulty, const OneBased<int32_t, 16> &comboScores)
{
    const int row = EnterRecordRow(records, kFirstGameRow, kLastGameRow, score);
    if (row != 0) {
        TRecordEntry &record = records[row];
        record.Name = name;
        record.Date = date;
        record.Difficulty = difficulty;
        record.ComboScores = comboScores;
    }
    return row;
}

int EnterPrizeRecord(OneBased<TRecordEntry, 31> &records, const Str17 &name, int32_t score,
                     double date, const TPrizeFields &prize)
{
    const int row = EnterRecordRow(records, kFirstPrizeRow, kLastPrizeRow, score);
    if (row != 0) {
        TRecordEntry &record = records[row];
        record.Name = name;
        record.Date = date;
        record.Prize = prize;
    }
    return row;
}
