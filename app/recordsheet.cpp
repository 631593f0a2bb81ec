#include "app/recordsheet.h"

#include "platform/picturebox.h"

#include "platform/hintheader.h"
#include "platform/tablestyle.h"
#include "results/recordtables.h"

#include <QLabel>

namespace
{

const char *const kPlaceHint = "Место в таблице рекордов";
const char *const kNameHint = "Имя участника, установившего рекорд";
const char *const kDateHint = "Дата установления рекорда";

// A table's title, written over the navy picture.
QLabel *tableLabel(const QString &name, const QString &text, int top, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    setTextColours(label, palette::white, palette::navy);
    label->setGeometry(0, top, kRecordsPictureSize.width(), kPrizeHeaderTop - kPrizeLabelTop);
    return label;
}

} // namespace

RecordSheet::RecordSheet(const SharedData &data, QWidget *parent)
    : QWidget(parent), m_data(data), m_image(new PictureBox(kRecordsPictureSize, this)),
      m_rec1Header(
          new HintHeader(QStringLiteral("Rec1Header"),
                         {{"Место", 50, kPlaceHint},
                          {"Имя", 120, kNameHint},
                          {"Дата", 70, kDateHint},
                          {"Очки", 50, "Рекордное количество очков"},
                          {"Очки в комбинациях", 512, "Очки, полученные в каждой комбинации"}},
                         this)),
      m_rec2Header(new HintHeader(
          QStringLiteral("Rec2Header"),
          {{"Место", 50, kPlaceHint},
           {"Имя", 140, kNameHint},
           {"Дата", 70, kDateHint},
           {"Приз", 60, "Рекордное количество призовых очков"},
           {"Зан. место", 85, "Занятое место в рекордном турнире(чемпионате)"},
           {"Сложн.", 65, "Сложность рекордного турнира(чемпионата)"},
           {"Ср. баллы", 75, "Среднее количество баллов в рекордном чемпионате"},
           {"Ср. очки", 70, "Среднее количество очков в рекордном турнире(чемпионате)"},
           {"Кол. туров", 85, "Количество туров в рекордном турнире(чемпионате)"},
           {"Кол. игроков", 100, "Количество участников в рекордном турнире(чемпионате)"}},
          this))
{
    setObjectName(QStringLiteral("RecordSheet"));
    m_image->setObjectName(QStringLiteral("RecImage"));
    m_image->showBlank(palette::navy);

    tableLabel(QStringLiteral("Rec1Label"), QStringLiteral("Рекорды одиночной игры"), 0, this);
    tableLabel(QStringLiteral("Rec2Label"), QStringLiteral("Рекорды в призах"), kPrizeLabelTop,
               this);
    const int width = kRecordsPictureSize.width();
    m_rec1Header->setGeometry(0, kGameRowsTop - HintHeader::kHeight, width, HintHeader::kHeight);
    m_rec2Header->setGeometry(0, kPrizeHeaderTop, width, HintHeader::kHeight);
    setMinimumSize(kRecordsPictureSize);

    connect(m_rec1Header, &QHeaderView::sectionResized, this, &RecordSheet::DrawRecordTables);
    connect(m_rec2Header, &QHeaderView::sectionResized, this, &RecordSheet::DrawRecordTables);
}

void RecordSheet::DrawRecordTables()
{
    m_image->redraw([&](QImage &picture) {
        PaintRecordTables(picture, m_data, m_rec1Header->widths(), m_rec2Header->widths());
    });
}

const QImage &RecordSheet::picture() const
{
    return m_image->picture();
}
