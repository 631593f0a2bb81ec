#include "data/tclubform.h"

#include "data/clubbook.h"
#include "data/passwordasker.h"
#include "data/taddplayerform.h"
#include "platform/dialogstyle.h"
#include "platform/picklist.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QString listLine(const Str17 &name)
{
    return QString::fromStdString(name.text());
}

} // namespace

TClubForm::TClubForm(ClubBook &club, TAddPlayerForm &addForm, PasswordAsker &passwords,
                     QWidget *parent)
    : QDialog(parent), m_club(club), m_addForm(addForm), m_passwords(passwords)
{
    setObjectName(QStringLiteral("TClubForm"));
    setWindowTitle(QStringLiteral("Клуб игроков"));

    m_clubList = new PickList;
    m_clubList->setObjectName(QStringLiteral("ClubList"));
    m_clubList->setAccessibleName(QStringLiteral("Члены клуба"));
    connect(m_clubList, &QListWidget::itemSelectionChanged, this, &TClubForm::ClubListClick);

    m_addButton = captionedButton(QStringLiteral("Добавить..."), "AddButton");
    m_removeButton = captionedButton(QStringLiteral("Удалить..."), "RemoveButton");
    m_removeButton->setEnabled(false);
    auto *closeButton = captionedButton(QStringLiteral("Закрыть"), "CloseButton");
    closeButton->setDefault(true);
    connect(m_addButton, &QPushButton::clicked, this, &TClubForm::AddButtonClick);
    connect(m_removeButton, &QPushButton::clicked, this, &TClubForm::RemoveButtonClick);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_removeButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *row = new QHBoxLayout(this);
    row->addWidget(m_clubList);
    row->addLayout(buttons);

    FormCreate();
    adjustSize();
    setFixedSize(size());
    centreOnScreen(this);
}

void TClubForm::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TClubForm::FormCreate()
{
    const SharedData &data = m_club.data();
    for (int k = 1; k <= data.ClubCount; ++k)
        m_clubList->addItem(listLine(data.ClubNames[k]));
}

void TClubForm::FormShow()
{
    dropSelection();
    m_addButton->setEnabled(!m_club.full());
    m_clubList->setFocus();
}

void TClubForm::ClubListClick()
{
    m_removeButton->setEnabled(!m_clubList->selectedItems().isEmpty());
}

void TClubForm::AddButtonClick()
{
    m_addForm.exec();
    if (!m_addForm.confirmed() || !m_club.AddMember(m_addForm.name(), m_addForm.password()))
        return;
    m_clubList->addItem(listLine(m_club.data().ClubNames[m_club.data().ClubCount]));
    m_addButton->setEnabled(!m_club.full());
}

void TClubForm::RemoveButtonClick()
{
    const QList<QListWidgetItem *> selected = m_clubList->selectedItems();
    if (selected.isEmpty())
        return;
    const int k = m_clubList->row(selected.first()) + 1;
    const SharedData &data = m_club.data();
    if (!m_passwords.AskPassword("Удаление игрока " + data.ClubNames[k].text(),
                                 data.ClubPasswords[k]) ||
        !m_club.RemoveMember(k))
        return;
    delete m_clubList->takeItem(k - 1);
    dropSelection();
    m_addButton->setEnabled(!m_club.full());
}

void TClubForm::dropSelection()
{
    m_clubList->setCurrentItem(nullptr);
    m_clubList->clearSelection();
    m_removeButton->setEnabled(false);
}
