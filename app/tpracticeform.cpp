#include "app/tpracticeform.h"

#include "coach/coachdemo.h"
#include "coach/coachloader.h"
#include "coach/practicehint.h"
#include "coach/practicereview.h"
#include "competition/slotrules.h"
#include "game/tgameform.h"
#include "platform/cp1251.h"
#include "platform/dialogstyle.h"
#include "platform/messageboxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <optional>

namespace
{

QSpinBox *spinBox(const char *name, int lo, int hi)
{
    auto *box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(lo, hi);
    return box;
}

// A label that names its field for the keyboard and for screen readers.
void addRow(QFormLayout *form, const QString &caption, QWidget *field)
{
    auto *label = new QLabel(caption);
    label->setBuddy(field);
    field->setAccessibleName(QString(caption).remove('&').remove(':'));
    form->addRow(label, field);
}

} // namespace

PracticeSetup firstPracticeSetup(const SharedData &data)
{
    PracticeSetup setup;
    if (data.ClubCount >= 1)
        setup.name = data.ClubNames[1].text();
    return setup;
}

TPracticeForm::TPracticeForm(const SharedData &data, PracticeSetup first, QWidget *parent)
    : QDialog(parent), m_data(data), m_setup(std::move(first))
{
    setObjectName("PracticeForm");
    setWindowTitle("Тренировка");
    setFont(dialogFont());

    m_nameCombo = new QComboBox;
    m_nameCombo->setObjectName("NameCombo");
    m_nameCombo->setEditable(true);
    m_nameCombo->setInsertPolicy(QComboBox::NoInsert);
    // Members' names are offered in a list: an inline completion would swallow the first Enter.
    m_nameCombo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_nameCombo->lineEdit()->setMaxLength(kMaxNameChars);
    m_opponentsEdit = spinBox("OpponentsEdit", 0, kMaxOpponents);
    m_difficultyEdit = spinBox("DifficultyEdit", kMinDifficulty, kMaxDifficulty);
    m_hintsCheck = new QCheckBox("&Подсказки");
    m_hintsCheck->setObjectName("HintsCheck");
    m_hintsCheck->setAccessibleName("Подсказки");

    m_paceEdit = spinBox("PaceEdit", 0, 5);
    m_paceEdit->setSuffix(" с на ход");
    m_paceEdit->setSpecialValueText("без пауз");

    auto *form = new QFormLayout;
    addRow(form, "&Имя игрока:", m_nameCombo);
    addRow(form, "&Соперников:", m_opponentsEdit);
    addRow(form, "С&ложность:", m_difficultyEdit);
    form->addRow(m_hintsCheck);
    addRow(form, "&Темп показа:", m_paceEdit);

    auto *buttons = new QDialogButtonBox;
    m_okButton = buttons->addButton("Ok", QDialogButtonBox::AcceptRole);
    m_okButton->setObjectName("OkButton");
    m_okButton->setAccessibleName("Ok");
    m_okButton->setDefault(true);
    auto *cancel = buttons->addButton("Отмена", QDialogButtonBox::RejectRole);
    cancel->setObjectName("CancelButton");
    cancel->setAccessibleName("Отмена");
    m_showButton = buttons->addButton("По&каз", QDialogButtonBox::ActionRole);
    m_showButton->setObjectName("ShowButton");
    m_showButton->setAccessibleName("Показ");
    m_showButton->setToolTip("Тренер сам играет партию; в игре - клавиша F5, Esc возвращает игру");
    connect(m_showButton, &QPushButton::clicked, this, [this] {
        m_showChosen = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &TPracticeForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TPracticeForm::reject);
    connect(m_nameCombo, &QComboBox::editTextChanged, this, &TPracticeForm::updateOk);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setTabOrder(m_nameCombo, m_opponentsEdit);
    setTabOrder(m_opponentsEdit, m_difficultyEdit);
    setTabOrder(m_difficultyEdit, m_hintsCheck);
    setTabOrder(m_hintsCheck, m_paceEdit);
    fill();
}

void TPracticeForm::fill()
{
    m_nameCombo->clear();
    for (int m = 1; m <= m_data.ClubCount; ++m)
        m_nameCombo->addItem(QString::fromStdString(m_data.ClubNames[std::size_t(m)].text()));
    m_nameCombo->setEditText(QString::fromStdString(m_setup.name));
    m_opponentsEdit->setValue(m_setup.opponents);
    m_difficultyEdit->setValue(m_setup.difficulty);
    m_hintsCheck->setChecked(m_setup.hints);
    m_paceEdit->setValue(m_setup.pace);
    updateOk();
}

void TPracticeForm::updateOk()
{
    // Any name the rating file could hold: not blank and within the code page.
    const QString name = m_nameCombo->currentText().trimmed();
    const bool storable =
        !name.isEmpty() && name.size() <= kMaxNameChars && cp1251::encodable(name.toStdString());
    m_okButton->setEnabled(storable);
    m_showButton->setEnabled(storable);
}

void TPracticeForm::accept()
{
    const bool show = m_showChosen;
    m_showChosen = false;
    if (!m_okButton->isEnabled())
        return;
    m_setup.name = m_nameCombo->currentText().trimmed().toStdString();
    m_setup.opponents = m_opponentsEdit->value();
    m_setup.difficulty = m_difficultyEdit->value();
    m_setup.hints = m_hintsCheck->isChecked();
    m_setup.pace = m_paceEdit->value();
    m_setup.demonstration = show;
    QDialog::accept();
}

bool TPracticeForm::ask(PracticeSetup &setup)
{
    fill();
    centreOnScreen(this);
    m_nameCombo->setFocus();
    m_nameCombo->lineEdit()->selectAll();
    if (exec() != QDialog::Accepted)
        return false;
    setup = m_setup;
    return true;
}

void PlayPractice(PracticeServices &s)
{
    if (s.data.gameRunning)
        return;
    PracticeSetup setup;
    if (!s.dialog.ask(setup))
        return;
    // Without the coach (his computation stopped) the game is still played, unadvised.
    SolverInterface *coach = s.coach.load(&s.dialog);

    GameSetup practice = PracticeGame(s.data, setup, s.random);
    DiceGame &game = s.gameForm.game();
    std::optional<PracticeReview> review;
    std::optional<CoachDemo> demo;
    if (coach) {
        practice.watcher = &review.emplace(*coach);
        if (setup.hints)
            practice.hints = [&] { return PracticeHint(game, *coach); };
        practice.demonstration = &demo.emplace(game, *coach);
        practice.pace = unsigned(setup.pace) * 1000;
        practice.demonstrateAtStart = setup.demonstration;
    }

    const DiceGame::Result result = s.gameForm.PlayGame(practice);

    // A game the coach played alone has nothing of the player's to review.
    if (review && !result.quit && !review->choices().empty()) {
        s.boxes.show(MessageBoxes::Kind::Information,
                     ReviewText(*review, game.players()[1].sheet[kTotalCell], coach->freshTotal()));
    }
}
