#include "results/ratingtable.h"

#include "results/headercolumns.h"
#include "results/ratingrows.h"
#include "results/tablestyle.h"

#include <QPainter>

void PaintRatingTable(QImage &picture, const SharedData &data, std::span<const int> widths)
{
    picture.fill(BgrColour(kNavy));
    QPainter painter(&picture);
    painter.setFont(TableFont());
    const auto x = [&](int column) { return ColumnLeft(widths, column); };
    for (int r = 1; r <= data.ratedCount(); ++r) {
        const RatingRowTexts row = RatingRow(data, r);
        const int y = (r - 1) * 15 + 2;
        DrawTableText(painter, x(1), y, row.place, kWhite);
        DrawTableText(painter, x(2), y, row.name, row.clubMember ? kAqua : kYellow);
        DrawTableText(painter, x(3), y, row.games, kLime);
        DrawTableText(painter, x(4), y, row.average, kRed);
        DrawTableText(painter, x(5), y, row.last50, kFuchsia);
        DrawTableText(painter, x(6), y, row.prize, kOlive);
        DrawTableText(painter, x(7), y, row.rating, kYellow);
    }
}
