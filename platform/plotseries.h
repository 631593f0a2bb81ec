#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;
class QTransform;

// One series of a plot, in the plot's own units, named for the legend.
class PlotSeries
{
public:
    enum class Style {
        PointsAndLine, // marked points joined by a line
        Line,
        Level, // a horizontal line across the whole plot at the height of its one point
        Bars,  // from zero to each point, centred on the point's x
    };

    PlotSeries(Style style, QString name, QColor colour, std::vector<QPointF> points,
               double barWidth = 1);

    const QString &name() const { return m_name; }
    const QColor &colour() const { return m_colour; }
    // The part of the plane the series needs; a level claims its height only.
    bool hasWidth() const { return m_style != Style::Level && !m_points.empty(); }
    QRectF bounds() const;

    // Draws through toWidget, which maps plot units onto the widget; span is the plot's
    // visible part in plot units.
    void paint(QPainter &painter, const QTransform &toWidget, const QRectF &span) const;

private:
    Style m_style;
    QString m_name;
    QColor m_colour;
    std::vector<QPointF> m_points;
    double m_barWidth;
};
