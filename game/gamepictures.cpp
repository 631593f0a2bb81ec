#include "game/gamepictures.h"

#include "data/textformat.h"
#include "game/diepictures.h"
#include "game/gamestyle.h"

#include <QFontMetrics>
#include <QPainter>

namespace gamepictures
{

namespace
{

// The die cells stand five pixels in from the picture's edge, 60 apart across and 80 down.
constexpr int kEdge = 5;
constexpr int kColumnStep = 60;
constexpr int kRowStep = 80;
constexpr int kButtonSide = 20;

QPoint cellOrigin(int row, int column)
{
    return {kEdge + kColumnStep * (column - 1), kEdge + kRowStep * (row - 1)};
}

} // namespace

void DrawDie(QPainter &painter, const DiePictures &pictures, bool show, int face, int row,
             int column)
{
    const QPoint origin = cellOrigin(row, column);
    if (show)
        painter.drawImage(origin, pictures.face(face));
    else
        painter.fillRect(QRect(origin, QSize(DiePictures::kSide, DiePictures::kSide)),
                         palette::green);
}

std::optional<DieCell> DieCellAt(QPoint at)
{
    for (int row = 1; row <= 2; ++row) {
        for (int column = 1; column <= 5; ++column) {
            // The pixel just past a cell's right or bottom edge still counts for it.
            const QPoint origin = cellOrigin(row, column);
            if (at.x() >= origin.x() && at.x() <= origin.x() + DiePictures::kSide &&
                at.y() >= origin.y() && at.y() <= origin.y() + DiePictures::kSide)
                return DieCell{row, column};
        }
    }
    return std::nullopt;
}

QRect DieButtonRect(int column)
{
    const QPoint cell = cellOrigin(1, column);
    return {cell.x() + 14, cell.y() + DiePictures::kSide + kEdge, kButtonSide, kButtonSide};
}

QImage DrawCube(const GameScreen &screen, const DiePictures &pictures)
{
    QImage cube(kCubeSize, QImage::Format_RGB32);
    cube.fill(palette::green);
    QPainter painter(&cube);
    for (int column = 1; column <= 5; ++column) {
        const int upper = screen.upperRow[std::size_t(column)];
        const int lower = screen.lowerRow[std::size_t(column)];
        DrawDie(painter, pictures, upper != 0, upper, 1, column);
        DrawDie(painter, pictures, lower != 0, lower, 2, column);
    }
    return cube;
}

void PaintStandings(QImage &place, const GamePlayers &players, int count,
                    const Standings &standings, bool shown)
{
    place.fill(palette::navy);
    QPainter painter(&place);
    painter.setPen(palette::yellow);
    painter.drawRect(0, 0, kPlaceSize.width() - 1, kPlaceSize.height() - 1);
    if (!shown || count < 1)
        return;

    const int32_t leader = players[standings[1]].sheet[kTotalCell];
    for (int a = 1; a <= count; ++a) {
        const GamePlayer &player = players[standings[std::size_t(a)]];
        const int32_t total = player.sheet[kTotalCell];
        const int top = 20 * a - 18;
        painter.setFont(solidFont(gamestyle::numberFont()));
        drawTextAt(painter, 2, top, palette::white, IntText(a, 2) + ".");
        drawTextAt(painter, 222, top, palette::yellow, IntText(total, 3));
        drawTextAt(painter, 252, top, palette::red, IntText(total - leader, 4));
        painter.setFont(solidFont(gamestyle::textFont()));
        drawTextAt(painter, 32, top, player.isHuman() ? palette::lime : palette::aqua,
                   player.name.text());
    }
}

} // namespace gamepictures
