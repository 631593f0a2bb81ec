#include "game/gamepictures.h"

#include "data/textformat.h"
#include "game/diepictures.h"
#include "game/gamestyle.h"

#include <QFontMetrics>
#include <QPainter>

namespace gamepictures
{

void DrawDie(QPainter &painter, const DiePictures &pictures, bool show, int face, int row,
             int column)
{
    const QPoint origin(60 * (column - 1) + 5, 80 * row - 75);
    if (show)
        painter.drawImage(origin, pictures.face(face));
    else
        painter.fillRect(QRect(origin, QSize(DiePictures::kSide, DiePictures::kSide)),
                         palette::green);
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
