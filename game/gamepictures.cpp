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

// Text in the pictures is drawn solid, as on the old screen: crisp colour on navy.
QFont solid(QFont font)
{
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void drawText(QPainter &painter, int x, int top, const QColor &colour, const std::string &text)
{
    painter.setPen(colour);
    painter.drawText(x, top + painter.fontMetrics().ascent(), QString::fromStdString(text));
}

} // namespace

void DrawDie(QPainter &painter, const DiePictures &pictures, bool show, int face, int row,
             int column)
{
    const QPoint origin(60 * (column - 1) + 5, 80 * row - 75);
    if (show)
        painter.drawImage(origin, pictures.face(face));
    else
        painter.fillRect(QRect(origin, QSize(DiePictures::kSide, DiePictures::kSide)),
                         gamestyle::green);
}

QImage DrawCube(const GameScreen &screen, const DiePictures &pictures)
{
    QImage cube(kCubeSize, QImage::Format_RGB32);
    cube.fill(gamestyle::green);
    QPainter painter(&cube);
    for (int column = 1; column <= 5; ++column) {
        const int upper = screen.upperRow[std::size_t(column)];
        const int lower = screen.lowerRow[std::size_t(column)];
        DrawDie(painter, pictures, upper != 0, upper, 1, column);
        DrawDie(painter, pictures, lower != 0, lower, 2, column);
    }
    return cube;
}

QImage DrawStandings(const GamePlayers &players, int count, const Standings &standings, bool shown)
{
    QImage place(kPlaceSize, QImage::Format_RGB32);
    place.fill(gamestyle::navy);
    QPainter painter(&place);
    painter.setPen(gamestyle::yellow);
    painter.drawRect(0, 0, kPlaceSize.width() - 1, kPlaceSize.height() - 1);
    if (!shown || count < 1)
        return place;

    const int32_t leader = players[standings[1]].sheet[kTotalCell];
    for (int a = 1; a <= count; ++a) {
        const GamePlayer &player = players[standings[std::size_t(a)]];
        const int32_t total = player.sheet[kTotalCell];
        const int top = 20 * a - 18;
        painter.setFont(solid(gamestyle::numberFont()));
        drawText(painter, 2, top, gamestyle::white, IntText(a, 2) + ".");
        drawText(painter, 222, top, gamestyle::yellow, IntText(total, 3));
        drawText(painter, 252, top, gamestyle::red, IntText(total - leader, 4));
        painter.setFont(solid(gamestyle::textFont()));
        drawText(painter, 32, top, player.isHuman() ? gamestyle::lime : gamestyle::aqua,
                 player.name.text());
    }
    return place;
}

} // namespace gamepictures
