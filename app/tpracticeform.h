#pragma once

#include "coach/practiceseats.h"

#include <QDialog>

class MessageBoxes;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class CoachLoader;
class RandomSource;
class TGameForm;

// The practice dialog: the player's name (a club member's or any other), the number of computer
// opponents, the difficulty, the coach's hints and the pace of his own game ("Показ", which
// starts it). Its values are kept until the program ends.
class TPracticeForm : public QDialog
{
    Q_OBJECT
public:
    // first: the values it shows the first time (firstPracticeSetup).
    TPracticeForm(const SharedData &data, PracticeSetup first, QWidget *parent = nullptr);

    // Shows the dialog with the values last chosen: true and setup filled on Ok.
    bool ask(PracticeSetup &setup);
    const PracticeSetup &setup() const { return m_setup; }

private:
    void fill();
    void updateOk();
    void accept() override;

    const SharedData &m_data;
    PracticeSetup m_setup;

    QComboBox *m_nameCombo;
    QSpinBox *m_opponentsEdit;
    QSpinBox *m_difficultyEdit;
    QCheckBox *m_hintsCheck;
    QSpinBox *m_paceEdit;
    QPushButton *m_okButton;
    QPushButton *m_showButton;
    bool m_showChosen = false;
};

// What the dialog first offers: the default values, played by the club's first member when the
// club has one.
PracticeSetup firstPracticeSetup(const SharedData &data);

struct PracticeServices {
    SharedData &data;
    RandomSource &random;
    MessageBoxes &boxes;
    TGameForm &gameForm;
    TPracticeForm &dialog;
    CoachLoader &coach; // the program's one coach, kept once made ready
};

// Menu "Тренировка...": asks for the practice, makes the coach ready, plays the game in the game
// window without booking anything and shows the coach's review. Nothing while a game runs.
void PlayPractice(PracticeServices &services);
