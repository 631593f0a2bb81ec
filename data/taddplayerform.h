#pragma once

#include "data/shortstring.h"

#include <QDialog>

struct SharedData;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Новый игрок" dialog: a name and a password typed twice. Ok is enabled only while the
// entries can be taken as they stand. Created on its first use and reused.
class TAddPlayerForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAddPlayerForm(const SharedData &data, QWidget *parent = nullptr);

    // Whether the dialog last ended with Ok.
    bool confirmed() const { return m_confirmed; }
    Str17 name() const;
    Str17 password() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void NameEditChange();
    void OKButtonClick();

    const SharedData &m_data;
    bool m_confirmed = false;
    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_paroleEdit = nullptr;
    QLineEdit *m_paroleTooEdit = nullptr;
    QLabel *m_nameHint = nullptr;
    QPushButton *m_okButton = nullptr;
};
