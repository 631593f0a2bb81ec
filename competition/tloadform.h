#pragma once

#include "data/shareddata.h"

#include <QDialog>

class MessageBoxes;
class QListWidget;
class QPushButton;

// The slot chooser: lists the ten save slots and returns the one chosen, either to write a new
// competition into or to load a saved one.
class TLoadForm : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Writing, Loading };

    TLoadForm(const SharedData &data, MessageBoxes &boxes, QWidget *parent = nullptr);

    // Shows the list modally; the chosen slot 1..10, or 0 when the user gave up.
    int chooseSlot(Mode mode, const QString &caption);

private:
    void SlotListBoxClick();
    void OKButtonClick();
    // The slot of the selected line, 0 when none is selected.
    int selectedSlot() const;

    const SharedData &m_data;
    MessageBoxes &m_boxes;
    Mode m_mode = Mode::Loading;
    int m_result = 0;
    QListWidget *m_slotListBox;
    QPushButton *m_okButton;
};
