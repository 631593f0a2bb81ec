#pragma once

#include "data/shareddata.h"

#include <QImage>
#include <QWidget>

class HintHeader;
class PictureBox;

// The page "Рейтинг": the rating picture under its header, redrawn whenever a column is resized.
class RatingSheet : public QWidget
{
    Q_OBJECT
public:
    RatingSheet(SharedData &data, QWidget *parent);

    // Sorts the rating and redraws the picture whole.
    void DrawRatingTable();

    HintHeader *header() const { return m_header; }
    const QImage &picture() const;

private:
    SharedData &m_data;
    HintHeader *m_header;
    PictureBox *m_image;
};
