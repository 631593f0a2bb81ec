#include "results/recordrows.h"

#include "data/textformat.h"
#include "game/recordrule.h"
#include "platform/clock.h"

#include <chrono>
#include <cmath>
#include <cstdio>

std::string ShortDateText(double days)
{
    // The dates are not covered by the checksum: anything outside years 1..9999 is shown blank.
    constexpr double kFirstDay = -693593; // 01.01.0001
    constexpr double kLastDay = 2958465;  // 31.12.9999
    if (!std::isfinite(days) || days < kFirstDay || days >= kLastDay + 1)
        return {};
    const std::chrono::year_month_day date{kDateEpoch + std::chrono::days(int(std::floor(days)))};
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d", unsigned(date.day()), unsigned(date.month()),
                  int(date.year()));
    return text;
}

OneBased<GameRecordTexts, 20> GameRecordRows(const SharedData &data)
{
    OneBased<GameRecordTexts, 20> rows{};
    int humans = 0;
    for (int b = kFirstGameRow; b <= kLastGameRow; ++b) {
        const TRecordEntry &record = data.Records[std::size_t(b)];
        GameRecordTexts &row = rows[std::size_t(b)];
        row.place = IntText(b, 2);
        if (record.Name.empty())
            continue;
        row.free = false;
        row.human = record.Difficulty == 0;
        if (row.human)
            row.place += "(" + IntText(++humans, 2) + ")";
        row.name = record.Name.text();
        row.date = ShortDateText(record.Date);
        row.score = IntText(record.Score, 4);
        for (int c = 1; c <= 16; ++c)
            row.combos[std::size_t(c - 1)] = IntText(record.ComboScores[std::size_t(c)], 4);
    }
    return rows;
}

OneBased<PrizeRecordTexts, 10> PrizeRecordRows(const SharedData &data)
{
    OneBased<PrizeRecordTexts, 10> rows{};
    for (int b = kFirstPrizeRow; b <= kLastPrizeRow; ++b) {
        const TRecordEntry &record = data.Records[std::size_t(b)];
        const TPrizeFields &prize = record.Prize;
        PrizeRecordTexts &row = rows[std::size_t(b - 20)];
        row.place = IntText(b - 20, 2);
        if (record.Name.empty())
            continue;
        row.free = false;
        row.name = record.Name.text();
        row.date = ShortDateText(record.Date);
        row.prize = FloatText(record.Score * 0.01, 6, 2);
        row.takenPlace = IntText(prize.Place, 2);
        row.difficulty = IntText(prize.Difficulty, 2);
        row.avgBalls = prize.IsCham != 0 ? FloatText(prize.AvgBalls * 0.01, 5, 2) : "-*-*-";
        row.avgScore = FloatText(prize.AvgScore * 0.01, 5, 2);
        row.rounds = IntText(prize.Rounds, 2);
        row.participants = IntText(prize.Participants, 2);
    }
    return rows;
}
