#pragma once

#include "competition/competitionkind.h"
#include "data/shareddata.h"

#include <QDialog>

class DataFiles;
class MessageBoxes;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QToolButton;
class RandomSource;
class TLoadForm;

// The new-competition dialog: the club members taking part, the number of participants, the
// difficulty, the rounds and the name; then a slot for it from the slot chooser.
class TNewForm : public QDialog
{
    Q_OBJECT
public:
    TNewForm(SharedData &data, DataFiles &files, RandomSource &random, MessageBoxes &boxes,
             TLoadForm &loadForm, QWidget *parent = nullptr);

    // Sets up a competition of kind: true when it was put into a slot and made current (the
    // save file has been written, or its failure reported); false when the user gave up.
    bool open(CompetitionKind kind);

private:
    void CurrentListBoxClick();
    void ChosenListBoxClick();
    void ToChosenClick();
    void ToCurrentClick();
    void OkButtonClick();

    SharedData &m_data;
    DataFiles &m_files;
    RandomSource &m_random;
    MessageBoxes &m_boxes;
    TLoadForm &m_loadForm;
    CompetitionKind m_kind = CompetitionKind::Tournament;

    QListWidget *m_chosenListBox;
    QListWidget *m_currentListBox;
    QToolButton *m_toChosen;
    QToolButton *m_toCurrent;
    QSpinBox *m_amountSpinEdit;
    QSpinBox *m_diffSpinEdit;
    QSpinBox *m_tursSpinEdit;
    QLabel *m_nameLabel;
    QLineEdit *m_nameEdit;
};
