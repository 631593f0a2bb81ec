#pragma once

#include "data/shareddata.h"

#include <QImage>
#include <QWidget>

class HintHeader;
class PictureBox;
class QLabel;

// The page "Рекорды": both record tables in one picture, each under its own header.
class RecordSheet : public QWidget
{
    Q_OBJECT
public:
    RecordSheet(const SharedData &data, QWidget *parent);

    void DrawRecordTables();

    HintHeader *gameHeader() const { return m_rec1Header; }
    HintHeader *prizeHeader() const { return m_rec2Header; }
    const QImage &picture() const;

private:
    const SharedData &m_data;
    PictureBox *m_image;
    HintHeader *m_rec1Header;
    HintHeader *m_rec2Header;
};
