#include "results/recordtables.h"

#include "results/headercolumns.h"
#include "results/recordrows.h"
#include "results/tablestyle.h"

#include <QPainter>

namespace
{

constexpr int kComboColumn = 5;
constexpr int kComboStep = 32;
constexpr int kComboDrop = 3;
// Lines between combinations 6|7, 10|11 and 14|15, right of the combinations' column edge.
constexpr int kComboLines[] = {193, 321, 449};

void drawGameRows(QPainter &painter, const SharedData &data, std::span<const int> widths)
{
    const auto x = [&](int column) { return ColumnLeft(widths, column); };
    const QFont font = TableFont(10);
    const QFont small = TableFont(8);
    const auto rows = GameRecordRows(data);
    for (int b = 1; b <= 20; ++b) {
        const GameRecordTexts &row = rows[std::size_t(b)];
        const int y = (b - 1) * kRowHeight + kGameRowsTop;
        painter.setFont(font);
        DrawTableText(painter, x(1), y, row.place, kWhite);
        if (row.free)
            continue;
        DrawTableText(painter, x(2), y, row.name, row.human ? kTeal : kAqua);
        DrawTableText(painter, x(3), y, row.date, kRed);
        DrawTableText(painter, x(4), y, row.score, kYellow);
        painter.setFont(small);
        for (int c = 0; c < 16; ++c)
            DrawTableText(painter, x(kComboColumn) + c * kComboStep, y + kComboDrop,
                          row.combos[std::size_t(c)], kGreen);
    }
    painter.setPen(BgrColour(kWhite));
    const int bottom = kGameRowsTop + 20 * kRowHeight;
    for (const int offset : kComboLines) {
        const int lineX = x(kComboColumn) + offset;
        painter.drawLine(lineX, kGameRowsTop, lineX, bottom);
    }
}

void drawPrizeRows(QPainter &painter, const SharedData &data, std::span<const int> widths)
{
    const auto x = [&](int column) { return ColumnLeft(widths, column); };
    painter.setFont(TableFont(10));
    const auto rows = PrizeRecordRows(data);
    for (int p = 1; p <= 10; ++p) {
        const PrizeRecordTexts &row = rows[std::size_t(p)];
        const int y = (p - 1) * kRowHeight + kPrizeRowsTop;
        DrawTableText(painter, x(1), y, row.place, kWhite);
        if (row.free)
            continue;
        DrawTableText(painter, x(2), y, row.name, kAqua);
        DrawTableText(painter, x(3), y, row.date, kRed);
        DrawTableText(painter, x(4), y, row.prize, kYellow);
        DrawTableText(painter, x(5), y, row.takenPlace, kGreen);
        DrawTableText(painter, x(6), y, row.difficulty, kGreen);
        DrawTableText(painter, x(7), y, row.avgBalls, kGreen);
        DrawTableText(painter, x(8), y, row.avgScore, kGreen);
        DrawTableText(painter, x(9), y, row.rounds, kGreen);
        DrawTableText(painter, x(10), y, row.participants, kGreen);
    }
}

} // namespace

void PaintRecordTables(QImage &picture, const SharedData &data, std::span<const int> gameWidths,
                       std::span<const int> prizeWidths)
{
    picture.fill(BgrColour(kNavy));
    QPainter painter(&picture);
    drawGameRows(painter, data, gameWidths);
    drawPrizeRows(painter, data, prizeWidths);
}
