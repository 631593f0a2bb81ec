#include "platform/picklist.h"

#include <QKeyEvent>

PickList::PickList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void PickList::keyPressEvent(QKeyEvent *event)
{
    QListWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        break;
    default:
        return;
    }
    // Qt moves and selects only when the current line changes.
    const QModelIndex landed = currentIndex();
    if (landed.isValid() && !selectionModel()->isSelected(landed)) {
        selectionModel()->select(landed, QItemSelectionModel::ClearAndSelect);
        event->accept();
    }
}
