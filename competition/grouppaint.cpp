#include "competition/grouppaint.h"

#include "platform/headercolumns.h"
#include "platform/tablestyle.h"

#include <QPainter>

namespace
{

constexpr int kBlockHeight = 160;
constexpr int kRowHeight = 15;
constexpr int kFirstRowTop = 12;
constexpr int kNameLeft = 5;

} // namespace

void PaintGroups(QImage &picture, const GroupRows &groups, std::span<const int> widths)
{
    picture.fill(palette::navy);
    QPainter painter(&picture);
    painter.setFont(TableFont());
    const auto x = [&](int column) { return ColumnLeft(widths, column); };
    const int width = int(picture.deviceIndependentSize().width());
    for (int g = 1; g <= 3; ++g) {
        const int top = kBlockHeight * (g - 1);
        painter.setPen(palette::green);
        painter.drawLine(0, top + 5, width - 1, top + 5);
        // The heading sits on the line as a label on its own background.
        const std::string heading = std::to_string(g) + " группа";
        const QRect box = painter.fontMetrics().boundingRect(QString::fromStdString(heading));
        painter.fillRect(10, top, box.width(), painter.fontMetrics().height(), palette::navy);
        drawTextAt(painter, 10, top, palette::green, heading);

        const auto &rows = groups[std::size_t(g - 1)];
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const ChampionshipRound::Row &row = rows[r];
            const int y = top + kRowHeight * int(r) + kFirstRowTop;
            drawTextAt(painter, kNameLeft, y, row.clubMember ? palette::teal : palette::aqua,
                       row.name);
            drawTextAt(painter, x(2), y, palette::white, row.place);
            if (!row.played)
                continue;
            drawTextAt(painter, x(3), y, palette::yellow, row.balls);
            drawTextAt(painter, x(4), y, palette::olive, row.score);
            drawTextAt(painter, x(5), y, row.diffNegative ? palette::red : palette::lime, row.diff);
        }
    }
}
