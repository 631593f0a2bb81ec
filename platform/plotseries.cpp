#include "platform/plotseries.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>

PlotSeries::PlotSeries(Style style, QString name, QColor colour, std::vector<QPointF> points,
                       double barWidth)
    : m_style(style), m_name(std::move(name)), m_colour(std::move(colour)),
      m_points(std::move(points)), m_barWidth(barWidth)
{
    // A value beyond all numbers has no place on an axis.
    std::erase_if(m_points,
                  [](QPointF p) { return !std::isfinite(p.x()) || !std::isfinite(p.y()); });
}

QRectF PlotSeries::bounds() const
{
    if (m_points.empty())
        return {};
    const auto [left, right] = std::minmax_element(
        m_points.begin(), m_points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    const auto [bottom, top] = std::minmax_element(
        m_points.begin(), m_points.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    double low = bottom->y(), high = top->y();
    double from = left->x(), to = right->x();
    if (m_style == Style::Bars) {
        // Bars stand on zero and take their width about their point.
        low = std::min(low, 0.0);
        high = std::max(high, 0.0);
        from -= m_barWidth / 2;
        to += m_barWidth / 2;
    }
    return QRectF(QPointF(from, low), QPointF(to, high));
}

void PlotSeries::paint(QPainter &painter, const QTransform &toWidget, const QRectF &span) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour, m_style == Style::Level ? 1.5 : 2));
    QPolygonF line;
    for (QPointF point : m_points)
        line << toWidget.map(point);
    switch (m_style) {
    case Style::PointsAndLine:
        painter.drawPolyline(line);
        painter.setBrush(m_colour);
        for (QPointF point : line)
            painter.drawEllipse(point, 2.5, 2.5);
        break;
    case Style::Line:
        painter.drawPolyline(line);
        break;
    case Style::Level:
        for (QPointF point : m_points)
            painter.drawLine(toWidget.map(QPointF(span.left(), point.y())),
                             toWidget.map(QPointF(span.right(), point.y())));
        break;
    case Style::Bars:
        painter.setPen(QPen(m_colour.darker(150), 1));
        painter.setBrush(m_colour);
        for (QPointF point : m_points) {
            const QRectF bar(QPointF(point.x() - m_barWidth / 2, 0),
                             QPointF(point.x() + m_barWidth / 2, point.y()));
            painter.drawRect(toWidget.mapRect(bar.normalized()));
        }
        break;
    }
    painter.restore();
}
