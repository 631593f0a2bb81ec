#include "competition/standingspaint.h"

#include "platform/headercolumns.h"
#include "platform/tablestyle.h"

#include <QPainter>

namespace
{

const QColor &colourOf(Ink ink)
{
    switch (ink) {
    case Ink::Aqua:
        return palette::aqua;
    case Ink::Teal:
        return palette::teal;
    case Ink::Yellow:
        return palette::yellow;
    case Ink::Olive:
        return palette::olive;
    case Ink::Red:
        return palette::red;
    case Ink::Lime:
        return palette::lime;
    case Ink::White:
        break;
    }
    return palette::white;
}

} // namespace

void PaintStandings(QImage &picture, const std::vector<StandingsRow> &rows, int rowPitch,
                    std::span<const int> widths)
{
    picture.fill(palette::navy);
    QPainter painter(&picture);
    painter.setFont(TableFont());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int top = int(r) * rowPitch + 2;
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const StandingsCell &cell = rows[r][c];
            drawTextAt(painter, ColumnLeft(widths, int(c) + 1), top, colourOf(cell.ink), cell.text);
        }
    }
}
