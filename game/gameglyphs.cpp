#include "game/gameglyphs.h"

#include "game/gamestyle.h"

#include <QPainter>
#include <QPolygonF>

namespace gameglyphs
{

namespace
{

QPixmap blank()
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void triangle(QPainter &painter, double top, double bottom)
{
    painter.drawPolygon(QPolygonF{{3, top}, {13, top}, {8, bottom}});
}

} // namespace

QPixmap write()
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(255, 220, 170));
    // Fingers first, so the palm covers their roots.
    const int tops[] = {3, 1, 2, 4};
    for (int i = 0; i < 4; ++i)
        painter.drawRect(4 + 2 * i, tops[i], 2, 9);
    painter.drawPolygon(QPolygon{{1, 7}, {4, 10}, {4, 13}, {1, 9}});
    painter.drawRoundedRect(3, 8, 9, 7, 2, 2);
    return pixmap;
}

QPixmap strike()
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette::red, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    return pixmap;
}

QPixmap arrow(bool up)
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::navy);
    if (up)
        triangle(painter, 11, 4);
    else
        triangle(painter, 5, 12);
    return pixmap;
}

QPixmap all()
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::navy);
    triangle(painter, 2, 7);
    triangle(painter, 8, 13);
    return pixmap;
}

QPixmap undo()
{
    QPixmap pixmap = blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette::navy, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(4, 4, 9, 8), 90 * 16, -240 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::navy);
    painter.drawPolygon(QPolygonF{{2, 4}, {8, 1}, {8, 7}});
    return pixmap;
}

} // namespace gameglyphs
