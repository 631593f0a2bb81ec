#include "platform/palette.h"

#include "platform/fontnames.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

QFont monoFont(int pixelSize)
{
    QFont font(fontnames::fixed());
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixelSize);
    return font;
}

QFont solidFont(QFont font)
{
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void drawTextAt(QPainter &painter, int x, int top, const QColor &colour, const std::string &text)
{
    painter.setPen(colour);
    painter.drawText(x, top + painter.fontMetrics().ascent(), QString::fromStdString(text));
}

void setTextColours(QWidget *widget, const QColor &text, const QColor &background)
{
    // Every shade from the background, so a frame around the text keeps its look too.
    QPalette colours(background);
    colours.setColor(QPalette::WindowText, text);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}
