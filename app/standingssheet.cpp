#include "app/standingssheet.h"

#include "competition/slotrules.h"
#include "competition/standingspaint.h"
#include "platform/hinttext.h"
#include "platform/picturebox.h"
#include "platform/tablestyle.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace
{

void setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(shortHint(hint));
    widget->setStatusTip(hint);
}

QPushButton *captionedButton(const QString &caption, const QString &name, const QString &hint)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    setHint(button, hint);
    return button;
}

QLabel *colouredLabel(const QString &name, const QColor &colour)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    setTextColours(label, colour);
    return label;
}

// Screen readers read a label by its accessible name, so it follows the text.
void setLabelText(QLabel *label, const std::string &text)
{
    label->setText(QString::fromStdString(text));
    label->setAccessibleName(label->text());
}

} // namespace

StandingsSheet::StandingsSheet(const Layout &layout, QWidget *parent)
    : QWidget(parent), m_kind(layout.kind), m_rowPitch(layout.rowPitch),
      m_headerLabel(colouredLabel(layout.prefix + "HeaderLabel", palette::red)),
      m_header(new HintHeader(layout.header, layout.sections, this)),
      m_image(new PictureBox(layout.pictureSize, nullptr)),
      m_diffLabel(colouredLabel(layout.prefix + "DiffLabel", layout.diffColour)),
      m_continueButton(captionedButton(QStringLiteral("Продолжить"),
                                       layout.prefix + "ContinueButton", layout.continueHint)),
      m_praiseButton(captionedButton(QStringLiteral("Вручение призов"),
                                     layout.prefix + "PraiseButton", layout.praiseHint))
{
    setObjectName(layout.sheet);
    m_headerLabel->setAlignment(Qt::AlignCenter);
    m_image->setObjectName(layout.image);
    m_image->showBlank(palette::navy);
    m_continueButton->setEnabled(false);
    m_praiseButton->hide();

    auto *column = new QVBoxLayout(this);
    column->setSpacing(0);
    column->addWidget(m_headerLabel);
    column->addWidget(m_header, 0, Qt::AlignHCenter);
    if (m_kind == CompetitionKind::Championship) {
        // Thirty rows are taller than the page: the picture scrolls under the fixed header.
        auto *scroll = new QScrollArea;
        scroll->setWidget(m_image);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        scroll->setFixedWidth(layout.pictureSize.width() +
                              scroll->verticalScrollBar()->sizeHint().width());
        m_header->setFixedWidth(scroll->width());
        column->addWidget(scroll, 0, Qt::AlignHCenter);
    } else {
        m_header->setFixedWidth(layout.pictureSize.width());
        column->addWidget(m_image, 0, Qt::AlignHCenter);
    }
    column->addSpacing(6);
    column->addWidget(m_diffLabel);
    if (m_kind == CompetitionKind::Championship) {
        const QString caption = QStringLiteral("Клуб игроков в одной группе");
        m_allCheckBox = new QCheckBox(caption);
        m_allCheckBox->setObjectName(QStringLiteral("AllCheckBox"));
        m_allCheckBox->setAccessibleName(caption);
        setHint(m_allCheckBox,
                QStringLiteral("Все игроки, управляемые людьми, будут находиться в одной группе"));
        column->addWidget(m_allCheckBox);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_continueButton);
    buttons->addWidget(m_praiseButton);
    buttons->addStretch();
    column->addLayout(buttons);
    column->addStretch();

    connect(m_header, &QHeaderView::sectionResized, this, &StandingsSheet::paintRows);
}

void StandingsSheet::drawStandings(SharedData &data, bool busy)
{
    // A box changed while a round is played would be set back here, undoing the click.
    if (m_allCheckBox)
        m_allCheckBox->setEnabled(!busy);
    const TSaveSlot *slot = CurrentSlot(data, m_kind);
    if (!slot) {
        m_continueButton->setEnabled(false);
        m_praiseButton->hide();
        return;
    }
    const StandingsTexts texts = m_kind == CompetitionKind::Championship
                                     ? ChampionshipStandings(data, *slot)
                                     : TournamentStandings(data, *slot);
    setLabelText(m_headerLabel, texts.heading);
    setLabelText(m_diffLabel, texts.difficulty);
    if (m_allCheckBox)
        m_allCheckBox->setChecked(slot->Cham.ClubTogether != 0);
    m_continueButton->setEnabled(!texts.finished && !busy);
    // Prizes are given for a finished competition only.
    m_praiseButton->setVisible(texts.finished);
    m_rows = texts.rows;
    paintRows();
}

void StandingsSheet::paintRows()
{
    if (m_rows.empty())
        return;
    m_image->redraw([rows = m_rows, pitch = m_rowPitch, widths = m_header->widths()](
                        QImage &picture) { PaintStandings(picture, rows, pitch, widths); });
}

const QImage &StandingsSheet::picture() const
{
    return m_image->picture();
}

StandingsSheet *makeTurnirSheet(QWidget *parent)
{
    return new StandingsSheet(
        {.kind = CompetitionKind::Tournament,
         .sheet = "TurnirSheet",
         .header = "TurnirHeader",
         .image = "TurImage",
         .prefix = "Tur",
         .sections = {{"Место", 60, "Место в турнире"},
                      {"Имя", 230, "Имя участника турнира"},
                      {"Очки", 120, "Общее количество очков"},
                      {"Разн. от ср.", 120,
                       "Разница от среднего количества очков участников турнира"}},
         .pictureSize = {529, 225},
         .rowPitch = 20,
         .diffColour = palette::purple,
         .continueHint = "Сыграть следующий тур турнира",
         .praiseHint = "|Получение игроками призов за сыгранный турнир"},
        parent);
}

StandingsSheet *makeChampionSheet(QWidget *parent)
{
    return new StandingsSheet(
        {.kind = CompetitionKind::Championship,
         .sheet = "ChampionSheet",
         .header = "ChamHeader",
         .image = "ChamImage",
         .prefix = "Cham",
         .sections = {{"Место", 50, "Место в чемпионате"},
                      {"Имя", 162, "Имя участника чемпионата"},
                      {"Баллы", 100, "Общее количество баллов"},
                      {"Очки", 100, "Общее количество очков"},
                      {"Разн. от ср.", 100,
                       "Разница от среднего количества очков участников чемпионата"}},
         .pictureSize = {512, 450},
         .rowPitch = 15,
         .diffColour = palette::teal,
         .continueHint = "Сыграть следующий тур чемпионата",
         .praiseHint = "|Получение игроками призов за сыгранный чемпионат"},
        parent);
}
