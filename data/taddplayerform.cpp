#include "data/taddplayerform.h"

#include "data/clubbook.h"
#include "data/cp1251validator.h"
#include "platform/dialogstyle.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

Str17 stored(const QLineEdit *edit)
{
    return Str17::fromText(edit->text().toStdString());
}

QString clashText(NameClash clash)
{
    switch (clash) {
    case NameClash::ClubMember:
        return QStringLiteral("Игрок с таким именем уже есть в клубе.");
    case NameClash::ComputerPlayer:
        return QStringLiteral("Так зовут компьютерного игрока.");
    case NameClash::None:
        break;
    }
    return QString();
}

} // namespace

TAddPlayerForm::TAddPlayerForm(const SharedData &data, QWidget *parent)
    : QDialog(parent), m_data(data)
{
    setObjectName(QStringLiteral("TAddPlayerForm"));
    setWindowTitle(QStringLiteral("Новый игрок"));

    auto *form = new QFormLayout;
    const auto addField = [form](const QString &caption, const char *name) {
        auto *label = new QLabel(caption);
        auto *edit = new QLineEdit;
        edit->setObjectName(QLatin1String(name));
        edit->setAccessibleName(caption);
        label->setBuddy(edit);
        form->addRow(label, edit);
        return edit;
    };
    m_nameEdit = addField(QStringLiteral("Имя игрока :"), "NameEdit");
    restrictToCp1251(m_nameEdit, kMaxNameChars);
    m_nameHint = new QLabel;
    m_nameHint->setObjectName(QStringLiteral("NameHint"));
    m_nameHint->setWordWrap(true);
    form->addRow(m_nameHint);
    m_paroleEdit = addField(QStringLiteral("Пароль :"), "ParoleEdit");
    m_paroleTooEdit = addField(QStringLiteral("Пароль еще раз :"), "ParoleTooEdit");
    for (QLineEdit *edit : {m_paroleEdit, m_paroleTooEdit}) {
        edit->setEchoMode(QLineEdit::Password);
        restrictToCp1251(edit, kMaxNameChars, Cp1251Validator::Case::Lower);
    }
    for (QLineEdit *edit : {m_nameEdit, m_paroleEdit, m_paroleTooEdit})
        connect(edit, &QLineEdit::textChanged, this, &TAddPlayerForm::NameEditChange);

    m_okButton = captionedButton(QStringLiteral("Ok"), "OKButton");
    m_okButton->setDefault(true);
    auto *cancelButton = captionedButton(QStringLiteral("Отменить"), "CancelButton");
    connect(m_okButton, &QPushButton::clicked, this, &TAddPlayerForm::OKButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = closingButtons(m_okButton, cancelButton);

    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(buttons);
    m_nameHint->setText(clashText(NameClash::ClubMember));
    adjustSize();
    setFixedSize(size());
    m_nameHint->clear();
    centreOnScreen(this);
}

Str17 TAddPlayerForm::name() const
{
    return stored(m_nameEdit);
}

Str17 TAddPlayerForm::password() const
{
    return stored(m_paroleEdit);
}

void TAddPlayerForm::showEvent(QShowEvent *event)
{
    m_confirmed = false;
    for (QLineEdit *edit : {m_nameEdit, m_paroleEdit, m_paroleTooEdit})
        edit->clear();
    NameEditChange();
    m_nameEdit->setFocus();
    QDialog::showEvent(event);
}

void TAddPlayerForm::NameEditChange()
{
    const NameClash clash = NameClashOf(m_data, name());
    m_nameHint->setText(clashText(clash));
    m_nameEdit->setAccessibleDescription(m_nameHint->text());
    m_okButton->setEnabled(!m_nameEdit->text().isEmpty() && clash == NameClash::None &&
                           !m_paroleEdit->text().isEmpty() &&
                           m_paroleEdit->text() == m_paroleTooEdit->text());
}

void TAddPlayerForm::OKButtonClick()
{
    m_confirmed = true;
    accept();
}
