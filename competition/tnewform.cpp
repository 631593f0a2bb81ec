#include "competition/tnewform.h"

#include "competition/newcompetition.h"
#include "competition/slotrules.h"
#include "competition/tloadform.h"
#include "data/cp1251validator.h"
#include "data/datafiles.h"
#include "platform/dialogstyle.h"
#include "platform/messageboxes.h"
#include "platform/picklist.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

QListWidget *nameList(const char *name, const QString &caption)
{
    auto *list = new PickList;
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(caption);
    // Ten names of sixteen characters fit without scrolling.
    const QFontMetrics metrics(dialogFont());
    list->setFixedSize(metrics.horizontalAdvance(QString(18, QLatin1Char('W'))),
                       10 * metrics.height() + 2 * list->frameWidth() + 4);
    return list;
}

QToolButton *arrowButton(const char *name, Qt::ArrowType arrow, const QString &hint)
{
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// A spin box changed by its arrows and the arrow keys only.
QSpinBox *arrowSpinBox(const char *name, int minimum, int maximum, int step, int value)
{
    auto *spin = new QSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setValue(value);
    spin->findChild<QLineEdit *>()->setReadOnly(true);
    return spin;
}

// The selected line of list, nullptr when none.
QListWidgetItem *selectedItem(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

// No line selected or current, so the first arrow key goes to line 1.
void clearChoice(QListWidget *list)
{
    list->clearSelection();
    list->setCurrentIndex(QModelIndex());
}

// Appends the item to the other list; nothing stays selected in either.
void moveItem(QListWidget *from, QListWidget *to, QListWidgetItem *item)
{
    from->takeItem(from->row(item));
    to->addItem(item);
    for (QListWidget *list : {from, to})
        clearChoice(list);
}

} // namespace

TNewForm::TNewForm(SharedData &data, DataFiles &files, RandomSource &random, MessageBoxes &boxes,
                   TLoadForm &loadForm, QWidget *parent)
    : QDialog(parent), m_data(data), m_files(files), m_random(random), m_boxes(boxes),
      m_loadForm(loadForm),
      m_chosenListBox(nameList("ChosenListBox", QStringLiteral("Выбранные :"))),
      m_currentListBox(nameList("CurrentListBox", QStringLiteral("Доступные :"))),
      m_toChosen(arrowButton("ToChosen", Qt::LeftArrow, QStringLiteral("Выбрать"))),
      m_toCurrent(arrowButton("ToCurrent", Qt::RightArrow, QStringLiteral("Вернуть"))),
      m_amountSpinEdit(arrowSpinBox("AmountSpinEdit", kMinTournamentPlayers, kMaxTournamentPlayers,
                                    1, kDefaultTournamentPlayers)),
      m_diffSpinEdit(
          arrowSpinBox("DiffSpinEdit", kMinDifficulty, kMaxDifficulty, 1, kDefaultDifficulty)),
      m_tursSpinEdit(
          arrowSpinBox("TursSpinEdit", kMinRounds, kMaxRounds, kRoundsStep, kDefaultRounds)),
      m_nameLabel(new QLabel), m_nameEdit(new QLineEdit)
{
    setObjectName(QStringLiteral("TNewForm"));
    setFont(dialogFont());

    auto *playersGroupBox = new QGroupBox(QStringLiteral("Участники"));
    playersGroupBox->setObjectName(QStringLiteral("PlayersGroupBox"));
    auto *players = new QGridLayout(playersGroupBox);
    const auto addListLabel = [players](QListWidget *list, int column) {
        auto *label = new QLabel(list->accessibleName());
        label->setBuddy(list);
        players->addWidget(label, 0, column);
        players->addWidget(list, 1, column);
    };
    addListLabel(m_chosenListBox, 0);
    addListLabel(m_currentListBox, 2);
    auto *arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(m_toChosen);
    arrows->addWidget(m_toCurrent);
    arrows->addStretch();
    players->addLayout(arrows, 1, 1);

    auto *form = new QFormLayout;
    const auto addField = [form](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption);
        label->setBuddy(field);
        field->setAccessibleName(caption);
        form->addRow(label, field);
    };
    addField(QStringLiteral("Общее количество участников :"), m_amountSpinEdit);
    addField(QStringLiteral("Сложность :"), m_diffSpinEdit);
    addField(QStringLiteral("Количество туров :"), m_tursSpinEdit);
    m_nameLabel->setObjectName(QStringLiteral("NameLabel"));
    m_nameLabel->setBuddy(m_nameEdit);
    m_nameEdit->setObjectName(QStringLiteral("NameEdit"));
    restrictToCp1251(m_nameEdit, kMaxTitleChars);
    form->addRow(m_nameLabel, m_nameEdit);

    auto *okButton = captionedButton(QStringLiteral("Дальше"), "OkButton");
    okButton->setDefault(true);
    auto *cancelButton = captionedButton(QStringLiteral("Отмена"), "CancelButton");
    auto *buttons = closingButtons(okButton, cancelButton);

    auto *column = new QVBoxLayout(this);
    column->addWidget(playersGroupBox);
    column->addLayout(form);
    column->addLayout(buttons);

    connect(m_currentListBox, &QListWidget::itemSelectionChanged, this,
            &TNewForm::CurrentListBoxClick);
    connect(m_chosenListBox, &QListWidget::itemSelectionChanged, this,
            &TNewForm::ChosenListBoxClick);
    connect(m_toChosen, &QToolButton::clicked, this, &TNewForm::ToChosenClick);
    connect(m_toCurrent, &QToolButton::clicked, this, &TNewForm::ToCurrentClick);
    connect(okButton, &QPushButton::clicked, this, &TNewForm::OkButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // Sized for the longer of the two name captions.
    m_nameLabel->setText(QStringLiteral("Название чемпионата"));
    setFixedSize(sizeHint());
    centreOnScreen(this);
}

bool TNewForm::open(CompetitionKind kind)
{
    m_kind = kind;
    const bool cham = kind == CompetitionKind::Championship;
    m_chosenListBox->clear();
    m_currentListBox->clear();
    for (int m = 1; m <= m_data.ClubCount; ++m) {
        auto *item =
            new QListWidgetItem(QString::fromStdString(m_data.ClubNames[std::size_t(m)].text()));
        item->setData(Qt::UserRole, m);
        m_currentListBox->addItem(item);
    }
    for (QListWidget *list : {m_chosenListBox, m_currentListBox})
        clearChoice(list);
    m_toChosen->setEnabled(false);
    m_toCurrent->setEnabled(false);
    m_nameEdit->clear();

    setWindowTitle(cham ? QStringLiteral("Новый чемпионат") : QStringLiteral("Новый турнир"));
    m_nameLabel->setText(cham ? QStringLiteral("Название чемпионата")
                              : QStringLiteral("Название турнира"));
    m_nameEdit->setAccessibleName(m_nameLabel->text());
    // The range first, so the value is never clamped by the other kind's range.
    m_amountSpinEdit->setRange(cham ? kMinChampionshipPlayers : kMinTournamentPlayers,
                               cham ? kMaxChampionshipPlayers : kMaxTournamentPlayers);
    m_amountSpinEdit->setSingleStep(cham ? kChampionshipPlayersStep : 1);
    m_amountSpinEdit->setValue(cham ? kDefaultChampionshipPlayers : kDefaultTournamentPlayers);

    m_nameEdit->setFocus();
    if (exec() != QDialog::Accepted)
        return false;

    const int slot = m_loadForm.chooseSlot(TLoadForm::Mode::Writing,
                                           cham ? QStringLiteral("Выберите слот для чемпионата")
                                                : QStringLiteral("Выберите слот для турнира"));
    if (slot == 0)
        return false;

    NewCompetitionSettings settings;
    settings.kind = kind;
    settings.title = Str21::fromText(m_nameEdit->text().toStdString(), kMaxTitleChars);
    settings.difficulty = m_diffSpinEdit->value();
    settings.rounds = m_tursSpinEdit->value();
    settings.participants = m_amountSpinEdit->value();
    for (int i = 0; i < m_chosenListBox->count(); ++i) {
        const int member = m_chosenListBox->item(i)->data(Qt::UserRole).toInt();
        settings.chosen.push_back(m_data.ClubNames[std::size_t(member)]);
    }
    CreateCompetition(m_data, m_random, slot, settings);
    // A failed write has been reported; the competition stays current for this run.
    m_files.SaveSlots();
    return true;
}

void TNewForm::CurrentListBoxClick()
{
    if (!selectedItem(m_currentListBox))
        return;
    // One name is picked at a time, and the other list answers its first arrow key again.
    clearChoice(m_chosenListBox);
    m_toChosen->setEnabled(true);
    m_toCurrent->setEnabled(false);
}

void TNewForm::ChosenListBoxClick()
{
    if (!selectedItem(m_chosenListBox))
        return;
    clearChoice(m_currentListBox);
    m_toCurrent->setEnabled(true);
    m_toChosen->setEnabled(false);
}

void TNewForm::ToChosenClick()
{
    QListWidgetItem *item = selectedItem(m_currentListBox);
    if (!item)
        return;
    moveItem(m_currentListBox, m_chosenListBox, item);
    m_toChosen->setEnabled(false);
    // The count keeps up with the chosen, as far as its range goes.
    if (m_chosenListBox->count() > m_amountSpinEdit->value())
        m_amountSpinEdit->setValue(m_chosenListBox->count());
}

void TNewForm::ToCurrentClick()
{
    QListWidgetItem *item = selectedItem(m_chosenListBox);
    if (!item)
        return;
    moveItem(m_chosenListBox, m_currentListBox, item);
    m_toCurrent->setEnabled(false);
}

void TNewForm::OkButtonClick()
{
    if (m_nameEdit->text().isEmpty()) {
        m_boxes.show(MessageBoxes::Kind::Information, "Надо ввести название.");
        return;
    }
    accept();
}
