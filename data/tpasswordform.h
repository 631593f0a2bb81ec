#pragma once

#include "data/passwordasker.h"

#include <QDialog>

class MessageBoxes;
class QLineEdit;

// The password dialog: asks one club member for his password before he is removed or plays.
// Created on its first use and reused.
class TPasswordForm : public QDialog, public PasswordAsker
{
    Q_OBJECT

public:
    explicit TPasswordForm(MessageBoxes &boxes, QWidget *parent = nullptr);

    bool AskPassword(const std::string &prompt, const Str17 &expected) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    MessageBoxes &m_boxes;
    QLineEdit *m_parEdit = nullptr;
};
