#include "results/recordtables.h"

#include "platform/headercolumns.h"
#include "platform/tablestyle.h"
#include "results/recordrows.h"

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
        drawTextAt(painter, x(1), y, palette::white, row.place);
        if (row.free)
            continue;
        drawTextAt(painter, x(2), y, row.human ? palette::teal : palette::aqua, row.name);
        drawTextAt(painter, x(3), y, palette::red, row.date);
        drawTextAt(painter, x(4), y, palette::yellow, row.score);
        painter.setFont(small);
        for (int c = 0; c < 16; ++c)
            drawTextAt(painter, x(kComboColumn) + c * kComboStep, y + kComboDrop, palette::green,
                       row.combos[std::size_t(c)]);
    }
    painter.setPen(palette::white);
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
        drawTextAt(painter, x(1), y, palette::white, row.place);
        if (row.free)
            continue;
        drawTextAt(painter, x(2), y, palette::aqua, row.name);
        drawTextAt(painter, x(3), y, palette::red, row.date);
        drawTextAt(painter, x(4), y, palette::yellow, row.prize);
        drawTextAt(painter, x(5), y, palette::green, row.takenPlace);
        drawTextAt(painter, x(6), y, palette::green, row.difficulty);
        drawTextAt(painter, x(7), y, palette::green, row.avgBalls);
        drawTextAt(painter, x(8), y, palette::green, row.avgScore);
        drawTextAt(painter, x(9), y, palette::green, row.rounds);
        drawTextAt(painter, x(10), y, palette::green, row.participants);
    }
}

} // namespace

void PaintRecordTables(QImage &picture, const SharedData &data, std::span<const int> gameWidths,
                       std::span<const int> prizeWidths)
{
    picture.fill(palette::navy);
    QPainter painter(&picture);
    drawGameRows(painter, data, gameWidths);
    drawPrizeRows(painter, data, prizeWidths);
}
