#pragma once

#include "app/hintheader.h"

#include <QImage>
#include <QWidget>

class PictureBox;
class QLabel;

// A competition page: its heading, the standings header and the standings picture.
class StandingsSheet : public QWidget
{
    Q_OBJECT
public:
    struct Names {
        QString sheet, headerLabel, header, image;
    };

    StandingsSheet(const Names &names, const std::vector<HintHeader::Section> &sections,
                   QSize pictureSize, QWidget *parent);

    HintHeader *header() const { return m_header; }

private:
    QLabel *m_headerLabel;
    HintHeader *m_header;
    PictureBox *m_image;
};

StandingsSheet *makeTurnirSheet(QWidget *parent);
StandingsSheet *makeChampionSheet(QWidget *parent);
