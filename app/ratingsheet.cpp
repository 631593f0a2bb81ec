#include "app/ratingsheet.h"

#include "data/datafiles.h"
#include "platform/hintheader.h"
#include "platform/picturebox.h"
#include "platform/tablestyle.h"
#include "results/ratingtable.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

RatingSheet::RatingSheet(SharedData &data, QWidget *parent)
    : QWidget(parent), m_data(data),
      m_header(
          new HintHeader(QStringLiteral("HeaderControl1"),
                         {{"Место", 50, "Место в рейтинге"},
                          {"Имя", 130, "Имя"},
                          {"Кол-во игр", 85, "Общее количество сыгранных игр"},
                          {"Ср.очки", 65, "Среднее количество очков за все сыгранные игры"},
                          {"Ср.очки(50 игр)", 85, "Среднее количество очков за последние 50 игр"},
                          {"Приз", 40, "Общее количество призовых очков"},
                          {"Рейтинг", 65, "Рейтинговые очки"}},
                         this)),
      m_image(new PictureBox(kRatingPictureSize, nullptr))
{
    setObjectName(QStringLiteral("RaytingSheet"));
    m_image->setObjectName(QStringLiteral("RayImage"));
    m_image->showBlank(palette::navy);

    // Forty rows are taller than the page: the picture scrolls under the fixed header.
    auto *scroll = new QScrollArea;
    scroll->setWidget(m_image);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll->setFixedWidth(kRatingPictureSize.width() +
                          scroll->verticalScrollBar()->sizeHint().width());

    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_header);
    column->addWidget(scroll);
    m_header->setFixedWidth(scroll->width());
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(column);
    row->addStretch();

    connect(m_header, &QHeaderView::sectionResized, this, &RatingSheet::DrawRatingTable);
}

void RatingSheet::DrawRatingTable()
{
    SortRating(m_data);
    m_image->redraw(
        [&](QImage &picture) { PaintRatingTable(picture, m_data, m_header->widths()); });
}

const QImage &RatingSheet::picture() const
{
    return m_image->picture();
}
