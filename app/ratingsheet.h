#pragma once

#include "data/shareddata.h"

#include <QImage>
#include <QWidget>

class HintHeader;
class QLabel;

// The page "Рейтинг": the rating picture under its header, redrawn whenever a column is resized.
class RatingSheet : public QWidget
{
    Q_OBJECT
public:
    RatingSheet(SharedData &data, QWidget *parent);

    // Sorts the rating and redraws the picture whole.
    void DrawRatingTable();

    HintHeader *header() const { return m_header; }
    const QImage &picture() const { return m_picture; }

private:
    SharedData &m_data;
    HintHeader *m_header;
    QLabel *m_image;
    QImage m_picture;
};
