#pragma once

#include "platform/plotseries.h"

#include <QWidget>

#include <vector>

// A plot of our own: a titled frame with numbered axes fitted to its series, drawn in the
// game's colours at the screen's pixel ratio. It can take the focus, so a screen reader reads
// its accessible name and description.
class PlotFrame : public QWidget
{
    Q_OBJECT
public:
    explicit PlotFrame(const QString &title, QWidget *parent = nullptr);

    // Replaces what the plot shows; with no series it shows emptyText on bare axes.
    void setSeries(std::vector<PlotSeries> series, const QString &emptyText = {});
    const std::vector<PlotSeries> &series() const { return m_series; }

    QSize sizeHint() const override;

    // An axis from low to high, numbered every step.
    struct AxisScale {
        double low = 0;
        double high = 1;
        double step = 1;
    };

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawSeries(QPainter &painter, const QRect &area, const AxisScale &xs,
                    const AxisScale &ys) const;

    QString m_title;
    QString m_emptyText;
    std::vector<PlotSeries> m_series;
};
