#include "results/tpraiseform.h"

#include "game/soundboard.h"
#include "platform/dialogstyle.h"
#include "platform/palette.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace
{

constexpr QSize kClientSize{412, 135};

QLabel *addLabel(QWidget *parent, const char *name, const QRect &geometry, const QColor &colour)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    setTextColours(label, colour);
    return label;
}

} // namespace

TPraiseForm::TPraiseForm(SoundBoard &sounds, QWidget *parent) : QDialog(parent), m_sounds(sounds)
{
    setObjectName("PraiseForm");
    setWindowTitle("Вручение призов");
    setFont(dialogFont());
    setFixedSize(kClientSize);

    m_countryLabel = addLabel(this, "CountryLabel", {0, 8, 412, 20}, palette::navy);
    m_valueLabel = addLabel(this, "ValueLabel", {0, 30, 412, 36}, palette::red);
    QFont large = font();
    large.setPointSize(20);
    m_valueLabel->setFont(large);
    m_praiseLabel = addLabel(this, "PraiseLabel", {0, 68, 412, 20}, palette::navy);
    m_praiseLabel->setText("призовых очков.");

    m_closeButton = new QPushButton("Дальше", this);
    m_closeButton->setObjectName("CloseButton");
    m_closeButton->setAccessibleName("Дальше");
    m_closeButton->setGeometry(156, 98, 100, 28);
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    m_timer = new QTimer(this);
    m_timer->setObjectName("Timer");
    connect(m_timer, &QTimer::timeout, this, &TPraiseForm::tick);
    centreOnScreen(this);
}

void TPraiseForm::showAward(const std::string &name, int place, double prize)
{
    m_count = AwardCount(prize);
    m_countryLabel->setText(QString::fromStdString(AwardCount::placeText(name, place)));
    m_valueLabel->clear();
    m_praiseLabel->hide();
    m_closeButton->setEnabled(false);
    m_timer->start(m_interval);
    exec();
}

void TPraiseForm::done(int result)
{
    // However the dialog ends, the count-up ends with it: no sound after the close.
    m_timer->stop();
    QDialog::done(result);
}

void TPraiseForm::tick()
{
    const int sound = m_count.tick();
    m_valueLabel->setText(QString::fromStdString(m_count.valueText()));
    if (m_count.finished()) {
        m_timer->stop();
        m_praiseLabel->show();
        m_closeButton->setEnabled(true);
        m_closeButton->setFocus();
    }
    if (sound != 0)
        m_sounds.PlaySound(sound);
}
