#include "platform/plotframe.h"

#include "platform/palette.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int kFontPixels = 11;
constexpr int kInset = 6; // keeps points off the axes

// About five whole numbers along an axis, 1, 2 or 5 times a power of ten apart.
PlotFrame::AxisScale scaleFor(double low, double high)
{
    const double raw = std::max((high - low) / 5, 1.0);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    PlotFrame::AxisScale scale;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        scale.step = factor * magnitude;
        if (scale.step >= raw)
            break;
    }
    scale.low = std::floor(low / scale.step) * scale.step;
    scale.high = std::ceil(high / scale.step) * scale.step;
    if (scale.high <= scale.low)
        scale.high = scale.low + scale.step;
    return scale;
}

// Counted, not stepped: far from zero a step may be lost in the rounding of a stored value.
template <typename Mark> void forEachMark(const PlotFrame::AxisScale &scale, Mark mark)
{
    const double marks = std::min((scale.high - scale.low) / scale.step, 20.0);
    for (int i = 0; i <= int(std::lround(marks)); ++i) {
        const double v = scale.low + i * scale.step + 0.0; // never "-0"
        mark(v, QString::number(v, 'f', 0));
    }
}

} // namespace

PlotFrame::PlotFrame(const QString &title, QWidget *parent) : QWidget(parent), m_title(title)
{
    setAccessibleName(title);
    setFocusPolicy(Qt::TabFocus);
    setFont(monoFont(kFontPixels));
}

void PlotFrame::setSeries(std::vector<PlotSeries> series, const QString &emptyText)
{
    m_series = std::move(series);
    m_emptyText = emptyText;
    update();
}

QSize PlotFrame::sizeHint() const
{
    return {460, 170};
}

void PlotFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette::navy);
    const QFontMetrics metrics(font());
    const int line = metrics.height();

    // The title, then each series' name in its colour as the legend.
    int x = 4;
    drawTextAt(painter, x, 2, palette::white, m_title.toStdString());
    x += metrics.horizontalAdvance(m_title) + 12;
    for (const PlotSeries &s : m_series) {
        drawTextAt(painter, x, 2, s.colour(), s.name().toStdString());
        x += metrics.horizontalAdvance(s.name()) + 10;
    }

    // The axes span every series; a level adds its height only.
    double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
    for (const PlotSeries &s : m_series) {
        const QRectF b = s.bounds();
        bottom = std::min(bottom, b.top());
        top = std::max(top, b.bottom());
        if (s.hasWidth()) {
            left = std::min(left, b.left());
            right = std::max(right, b.right());
        }
    }
    const bool empty = left > right;
    const AxisScale xs = empty ? AxisScale{} : scaleFor(left, right);
    const AxisScale ys = empty ? AxisScale{} : scaleFor(bottom, top);

    int labelWidth = 0;
    forEachMark(ys, [&](double, const QString &text) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(text));
    });
    const QRect area(QPoint(labelWidth + 10, line + 8), QPoint(width() - 12, height() - line - 8));
    painter.setPen(palette::white);
    painter.drawLine(area.bottomLeft(), area.topLeft());
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    if (empty)
        painter.drawText(area, Qt::AlignCenter, m_emptyText);
    else
        drawSeries(painter, area, xs, ys);

    if (hasFocus()) {
        painter.setPen(QPen(palette::yellow, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PlotFrame::drawSeries(QPainter &painter, const QRect &area, const AxisScale &xs,
                           const AxisScale &ys) const
{
    const int line = painter.fontMetrics().height();
    const QRectF inner = QRectF(area).adjusted(kInset, kInset, -kInset, -kInset);
    const double sx = inner.width() / (xs.high - xs.low);
    const double sy = inner.height() / (ys.high - ys.low);
    const QTransform toWidget(sx, 0, 0, -sy, inner.left() - xs.low * sx,
                              inner.bottom() + ys.low * sy);
    forEachMark(ys, [&](double v, const QString &text) {
        const int y = int(std::lround(toWidget.map(QPointF(xs.low, v)).y()));
        painter.drawLine(area.left() - 3, y, area.left(), y);
        painter.drawText(QRect(0, y - line / 2, area.left() - 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    });
    forEachMark(xs, [&](double v, const QString &text) {
        const int x = int(std::lround(toWidget.map(QPointF(v, ys.low)).x()));
        painter.drawLine(x, area.bottom(), x, area.bottom() + 3);
        painter.drawText(QRect(x - 30, area.bottom() + 4, 60, line), Qt::AlignHCenter, text);
    });
    painter.setClipRect(area.adjusted(1, 0, 0, -1));
    const QRectF span(QPointF(xs.low, ys.low), QPointF(xs.high, ys.high));
    for (const PlotSeries &s : m_series)
        s.paint(painter, toWidget, span);
    painter.setClipping(false);
}
