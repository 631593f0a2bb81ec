#include "platform/hintheader.h"

#include "platform/headercolumns.h"

#include <QMouseEvent>
#include <QStandardItemModel>

HintHeader::HintHeader(const QString &name, const std::vector<Section> &sections, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setObjectName(name);
    QStringList captions;
    for (const Section &section : sections) {
        captions << section.caption;
        m_hints << section.hint;
    }
    auto *model = new QStandardItemModel(0, int(sections.size()), this);
    model->setHorizontalHeaderLabels(captions);
    setModel(model);
    setDefaultAlignment(Qt::AlignCenter);
    setSectionResizeMode(QHeaderView::Interactive);
    setStretchLastSection(false);
    setHighlightSections(false);
    setSectionsClickable(false);
    setMinimumSectionSize(1);
    for (int i = 0; i < int(sections.size()); ++i)
        resizeSection(i, sections[std::size_t(i)].width);
    setFixedHeight(kHeight);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

std::vector<int> HintHeader::widths() const
{
    std::vector<int> result;
    for (int i = 0; i < count(); ++i)
        result.push_back(sectionSize(i));
    return result;
}

void HintHeader::mouseMoveEvent(QMouseEvent *event)
{
    const std::vector<int> sizes = widths();
    const int column = ColumnAt(sizes, int(event->position().x()));
    emit hintChanged(column == 0 ? QString() : m_hints[column - 1]);
    QHeaderView::mouseMoveEvent(event);
}

bool HintHeader::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave)
        emit hintChanged(QString());
    return QHeaderView::viewportEvent(event);
}
