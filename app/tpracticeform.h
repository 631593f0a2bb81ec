#pragma once

#include "game/coachtable.h"
#include "game/practiceseats.h"

#include <QDialog>

#include <filesystem>

class MessageBoxes;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class RandomSource;
class TGameForm;

// The practice dialog: the player's name (a club member's or any other), the number of computer
// opponents, the difficulty and the coach's hints. Its values are kept until the program ends,
// and so is the coach's table once made.
class TPracticeForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPracticeForm(const SharedData &data, QWidget *parent = nullptr);

    // Shows the dialog with the values last chosen: true and setup filled on Ok.
    bool ask(PracticeSetup &setup);
    const PracticeSetup &setup() const { return m_setup; }

    CoachTable &coachTable() { return m_table; }

private:
    void fill();
    void updateOk();
    void accept() override;

    const SharedData &m_data;
    PracticeSetup m_setup;
    CoachTable m_table;

    QComboBox *m_nameCombo;
    QSpinBox *m_opponentsEdit;
    QSpinBox *m_difficultyEdit;
    QCheckBox *m_hintsCheck;
    QPushButton *m_okButton;
};

struct PracticeServices {
    SharedData &data;
    RandomSource &random;
    MessageBoxes &boxes;
    TGameForm &gameForm;
    TPracticeForm &dialog;
    std::filesystem::path cacheFile; // the coach's cache beside the data files
};

// Menu "Тренировка...": asks for the practice, makes the coach ready, plays the game in the game
// window without booking anything and shows the coach's review. Nothing while a game runs.
void PlayPractice(PracticeServices &services);
