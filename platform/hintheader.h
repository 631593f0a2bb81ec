#pragma once

#include <QHeaderView>
#include <QStringList>

#include <vector>

// A header control over a table picture: resizable sections with a hint per column. Moving the
// mouse over it reports the hint of the column under the mouse; leaving it clears the hint.
class HintHeader : public QHeaderView
{
    Q_OBJECT
public:
    struct Section {
        QString caption;
        int width;
        QString hint;
    };

    HintHeader(const QString &name, const std::vector<Section> &sections, QWidget *parent);

    std::vector<int> widths() const;
    static constexpr int kHeight = 18;

signals:
    void hintChanged(const QString &hint);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    QStringList m_hints;
};
