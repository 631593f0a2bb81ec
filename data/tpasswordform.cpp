#include "data/tpasswordform.h"

#include "data/cp1251validator.h"
#include "platform/dialogstyle.h"
#include "platform/messageboxes.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPasswordForm::TPasswordForm(MessageBoxes &boxes, QWidget *parent) : QDialog(parent), m_boxes(boxes)
{
    setObjectName(QStringLiteral("TPasswordForm"));

    auto *label = new QLabel(QStringLiteral("Введите пароль"));
    label->setObjectName(QStringLiteral("ParLabel"));
    m_parEdit = new QLineEdit;
    m_parEdit->setObjectName(QStringLiteral("ParEdit"));
    m_parEdit->setEchoMode(QLineEdit::Password);
    restrictToCp1251(m_parEdit, kMaxNameChars, Cp1251Validator::Case::Lower);
    m_parEdit->setAccessibleName(label->text());
    label->setBuddy(m_parEdit);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OKBut"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("CancelBut"));
    for (QPushButton *button : {ok, cancel})
        button->setAccessibleName(button->text());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->addWidget(label);
    column->addWidget(m_parEdit);
    column->addWidget(buttons);
    setMinimumWidth(320);
    adjustSize();
    setFixedHeight(height());
    centreOnScreen(this);
}

bool TPasswordForm::AskPassword(const std::string &prompt, const Str17 &expected)
{
    setWindowTitle(QString::fromStdString(prompt));
    if (exec() != QDialog::Accepted)
        return false;
    if (Str17::fromText(m_parEdit->text().toStdString()) == expected)
        return true;
    m_boxes.show(MessageBoxes::Kind::Information, "Неправильный пароль!");
    return false;
}

void TPasswordForm::showEvent(QShowEvent *event)
{
    m_parEdit->clear();
    m_parEdit->setFocus();
    QDialog::showEvent(event);
}
