#include "app/standingssheet.h"

#include "platform/picturebox.h"
#include "results/tablestyle.h"

#include <QLabel>
#include <QVBoxLayout>

StandingsSheet::StandingsSheet(const Names &names, const std::vector<HintHeader::Section> &sections,
                               QSize pictureSize, QWidget *parent)
    : QWidget(parent), m_headerLabel(new QLabel),
      m_header(new HintHeader(names.header, sections, this)),
      m_image(new PictureBox(pictureSize, nullptr))
{
    setObjectName(names.sheet);
    m_headerLabel->setObjectName(names.headerLabel);
    m_headerLabel->setAlignment(Qt::AlignCenter);
    m_headerLabel->setStyleSheet(QStringLiteral("color: red;"));
    m_image->setObjectName(names.image);
    QImage picture(pictureSize, QImage::Format_RGB32);
    picture.fill(palette::navy);
    m_image->setPicture(std::move(picture));
    m_header->setFixedWidth(pictureSize.width());

    auto *column = new QVBoxLayout(this);
    column->setSpacing(0);
    column->addWidget(m_headerLabel);
    column->addWidget(m_header, 0, Qt::AlignHCenter);
    column->addWidget(m_image, 0, Qt::AlignHCenter);
    column->addStretch();
}

StandingsSheet *makeTurnirSheet(QWidget *parent)
{
    return new StandingsSheet(
        {"TurnirSheet", "TurHeaderLabel", "TurnirHeader", "TurImage"},
        {{"Место", 60, "Место в турнире"},
         {"Имя", 230, "Имя участника турнира"},
         {"Очки", 120, "Общее количество очков"},
         {"Разн. от ср.", 120, "Разница от среднего количества очков участников турнира"}},
        {529, 225}, parent);
}

StandingsSheet *makeChampionSheet(QWidget *parent)
{
    return new StandingsSheet(
        {"ChampionSheet", "ChamHeaderLabel", "ChamHeader", "ChamImage"},
        {{"Место", 50, "Место в чемпионате"},
         {"Имя", 162, "Имя участника чемпионата"},
         {"Баллы", 100, "Общее количество баллов"},
         {"Очки", 100, "Общее количество очков"},
         {"Разн. от ср.", 100, "Разница от среднего количества очков участников чемпионата"}},
        {512, 450}, parent);
}
