#include "results/tablestyle.h"

#include <QPainter>

QColor BgrColour(uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QFont TableFont(int points)
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(points * 96 / 72);
    // Plain pixels in the exact colours, as on the pictures of the original tables.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void DrawTableText(QPainter &painter, int x, int y, const std::string &text, uint32_t bgr)
{
    painter.setPen(BgrColour(bgr));
    const QFontMetrics metrics(painter.font());
    painter.drawText(x, y + metrics.ascent(), QString::fromStdString(text));
}
