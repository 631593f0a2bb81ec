#pragma once

#include <QDialog>

class ClubBook;
class PasswordAsker;
class QListWidget;
class QPushButton;
class TAddPlayerForm;

// The "Клуб игроков" window: the list of members with adding and removing. Its list follows the
// club line for line. Created on its first use and reused.
class TClubForm : public QDialog
{
    Q_OBJECT

public:
    TClubForm(ClubBook &club, TAddPlayerForm &addForm, PasswordAsker &passwords,
              QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void ClubListClick();
    void AddButtonClick();
    void RemoveButtonClick();
    // Nothing selected and Remove off until a line is chosen again.
    void dropSelection();

    ClubBook &m_club;
    TAddPlayerForm &m_addForm;
    PasswordAsker &m_passwords;
    QListWidget *m_clubList = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
};
