#include "results/ratingtable.h"

#include "platform/headercolumns.h"
#include "platform/tablestyle.h"
#include "results/ratingrows.h"

#include <QPainter>

void PaintRatingTable(QImage &picture, const SharedData &data, std::span<const int> widths)
{
    picture.fill(palette::navy);
    QPainter painter(&picture);
    painter.setFont(TableFont());
    const auto x = [&](int column) { return ColumnLeft(widths, column); };
    for (int r = 1; r <= data.ratedCount(); ++r) {
        const RatingRowTexts row = RatingRow(data, r);
        const int y = (r - 1) * 15 + 2;
        drawTextAt(painter, x(1), y, palette::white, row.place);
        drawTextAt(painter, x(2), y, row.clubMember ? palette::aqua : palette::yellow, row.name);
        drawTextAt(painter, x(3), y, palette::lime, row.games);
        drawTextAt(painter, x(4), y, palette::red, row.average);
        drawTextAt(painter, x(5), y, palette::fuchsia, row.last50);
        drawTextAt(painter, x(6), y, palette::olive, row.prize);
        drawTextAt(painter, x(7), y, palette::yellow, row.rating);
    }
}
