#pragma once

#include "results/awardcount.h"
#include "results/prizes.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;
class SoundBoard;

// The award dialog: counts up to one participant's prize with sounds, then lets the player go
// on. Created once at start-up and reused for every award.
class TPraiseForm : public QDialog, public AwardView
{
    Q_OBJECT

public:
    explicit TPraiseForm(SoundBoard &sounds, QWidget *parent = nullptr);

    // Shows the dialog modally until it is closed, by "Дальше" or early through the frame or
    // Escape; an early close books the award just the same.
    void showAward(const std::string &name, int place, double prize) override;

    // The pause between the count-up steps; 0 runs them as fast as events allow.
    void setTickInterval(int ms) { m_interval = ms; }

    void done(int result) override;

private:
    void tick();

    SoundBoard &m_sounds;
    AwardCount m_count;
    QTimer *m_timer = nullptr;
    int m_interval = 600;

    QLabel *m_countryLabel = nullptr;
    QLabel *m_valueLabel = nullptr;
    QLabel *m_praiseLabel = nullptr;
    QPushButton *m_closeButton = nullptr;
};
