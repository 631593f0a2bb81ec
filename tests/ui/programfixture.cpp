#include "tests/ui/programfixture.h"

#include "competition/tchamform.h"
#include "data/tpasswordform.h"
#include "game/tgameform.h"
#include "results/tpraiseform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <filesystem>

ProgramTest::ProgramTest()
{
    // A game folder as the build makes it: pictures and fresh data files.
    std::filesystem::copy_file(VERTOX_GAME_DIR "/vertoxwn.dat", folder.file("vertoxwn.dat"));
    for (const char *file : {kClubFile, kRatingFile, kRecordsFile, kSlotsFile})
        std::filesystem::copy_file(std::filesystem::path(VERTOX_PRISTINE_DIR) / file,
                                   folder.file(file));
    m_robot.setInterval(0);
    QObject::connect(&m_robot, &QTimer::timeout, [this] { step(); });
}

ProgramTest::~ProgramTest()
{
    stop();
}

void ProgramTest::start()
{
    stop();
    windows = createWindows();
    ASSERT_NE(windows, nullptr);
    windows->praiseForm().setTickInterval(0);
    windows->mainForm().show();
    QApplication::setActiveWindow(&windows->mainForm());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows->mainForm()));
    m_robot.start();
}

std::unique_ptr<ProgramWindows> ProgramTest::createWindows()
{
    data = std::make_unique<SharedData>();
    files = std::make_unique<DataFiles>(*data, boxes, folder.path());
    sounds = std::make_unique<SoundBoard>(data->SoundOn, device);
    return ProgramWindows::create({*data, *files, random, boxes, clock, *sounds, pump,
                                   folder.path(), [](const QString &) { return true; }});
}

void ProgramTest::stop()
{
    m_robot.stop();
    windows.reset();
}

void ProgramTest::whenModal(const QString &objectName, std::function<void(QWidget *)> handle)
{
    m_modals.emplace_back(objectName, std::move(handle));
}

void ProgramTest::newCompetition(int key, const std::vector<QString> &chosen, int participants,
                                 int difficulty, int rounds, const QString &title, int slot)
{
    whenModal("TNewForm", [=](QWidget *form) {
        auto *available = form->findChild<QListWidget *>("CurrentListBox");
        for (const QString &member : chosen) {
            const auto found = available->findItems(member, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << member.toStdString();
            available->setCurrentItem(found.front());
            form->findChild<QAbstractButton *>("ToChosen")->click();
        }
        form->findChild<QSpinBox *>("AmountSpinEdit")->setValue(participants);
        form->findChild<QSpinBox *>("DiffSpinEdit")->setValue(difficulty);
        form->findChild<QSpinBox *>("TursSpinEdit")->setValue(rounds);
        form->findChild<QLineEdit *>("NameEdit")->insert(title);
        QTest::keyClick(form, Qt::Key_Return);
    });
    whenModal("TLoadForm", [slot](QWidget *form) {
        form->findChild<QListWidget *>("SlotListBox")->setCurrentRow(slot - 1);
        QTest::keyClick(form, Qt::Key_Return);
    });
    pressKey(key);
}

void ProgramTest::press(const QString &buttonName)
{
    auto *button = windows->mainForm().findChild<QPushButton *>(buttonName);
    ASSERT_NE(button, nullptr) << buttonName.toStdString();
    // The player opens the button's page first, as a tab click does.
    auto *pages = windows->mainForm().findChild<QTabWidget *>("PageControl1");
    for (int i = 0; i < pages->count(); ++i) {
        if (pages->widget(i)->isAncestorOf(button))
            pages->setCurrentIndex(i);
    }
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << buttonName.toStdString();
    button->click();
}

void ProgramTest::pressKey(int key)
{
    // Short-cuts reach the active window only; a closed dialog may have left none active.
    QApplication::setActiveWindow(&windows->mainForm());
    QTest::keyClick(&windows->mainForm(), Qt::Key(key));
}

ProgramTest::PlayedGame ProgramTest::lastGame() const
{
    DiceGame &game = windows->gameForm().game();
    PlayedGame played;
    played.difficulty = game.setup().difficulty;
    for (int i = 1; i <= game.playerCount(); ++i)
        played.seats.push_back(game.players()[std::size_t(i)]);
    return played;
}

// Actions that may open a nested event loop run from a timer of their own: a timer does not
// fire again while its own handler runs, and the robot must keep answering inside that loop.
void ProgramTest::act(std::function<void()> action)
{
    m_acting = true;
    QTimer::singleShot(0, [this, action = std::move(action)] {
        m_acting = false;
        action();
    });
}

void ProgramTest::step()
{
    if (m_acting)
        return;
    if (QWidget *modal = QApplication::activeModalWidget()) {
        if (answerModal(modal)) {
            m_unanswered = 0;
            return;
        }
        // A dialog whose nested dialog has just closed gets its handler back a moment later.
        if (++m_unanswered < 100)
            return;
        m_unanswered = 0;
        ADD_FAILURE() << "unexpected window " << modal->objectName().toStdString();
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            act([dialog] { dialog->reject(); });
        return;
    }
    m_unanswered = 0;
    TGameForm &gameForm = windows->gameForm();
    if (gameForm.isVisible() && data->gameRunning) {
        playHumanTurn();
        return;
    }
    TChamForm &chamForm = windows->chamForm();
    if (chamForm.isVisible() && chamForm.okButton()->isEnabled()) {
        act([this, &chamForm] {
            const QString before = chamForm.okButton()->text();
            chamForm.okButton()->click();
            // A group's game counted when the button moved on to the next group.
            if (before.startsWith(QStringLiteral("Дальше")) &&
                chamForm.okButton()->text() != before)
                games.push_back(lastGame());
        });
    }
}

bool ProgramTest::answerModal(QWidget *modal)
{
    if (!m_modals.empty() && modal->objectName() == m_modals.front().first) {
        auto handle = std::move(m_modals.front().second);
        m_modals.pop_front();
        act([modal, handle = std::move(handle)] { handle(modal); });
        return true;
    }
    if (auto *password = qobject_cast<TPasswordForm *>(modal)) {
        const std::string prompt = password->windowTitle().toStdString();
        const std::string name = prompt.substr(prompt.find("для ") + std::string("для ").size());
        act([this, password, name] {
            password->findChild<QLineEdit *>("ParEdit")->setText(
                QString::fromStdString(passwords[name]));
            QTest::keyClick(password, Qt::Key_Return);
        });
        return true;
    }
    if (auto *praise = qobject_cast<TPraiseForm *>(modal)) {
        auto *next = praise->findChild<QPushButton *>("CloseButton");
        if (next->isEnabled())
            act([next] { next->click(); });
        return true;
    }
    return false;
}

void ProgramTest::playHumanTurn()
{
    TGameForm &form = windows->gameForm();
    DiceGame &game = form.game();
    auto *go = form.findChild<QAbstractButton *>("GoButton");
    auto *again = form.findChild<QAbstractButton *>("ElseButton");
    if (go->isEnabled()) {
        act([go] { go->click(); });
        return;
    }
    if (again->isEnabled()) {
        act([again] { again->click(); });
        return;
    }
    // Writing: the open combination worth most now, struck with a "Да" when all are negative.
    int best = 0;
    int32_t bestValue = 0;
    for (int k = 1; k <= 16; ++k) {
        auto *write = form.findChild<QAbstractButton *>(QString("WriteButton%1").arg(k));
        if (!write->isEnabled())
            continue;
        const int32_t value = game.CombCheck(k);
        if (best == 0 || value > bestValue) {
            best = k;
            bestValue = value;
        }
    }
    if (best == 0)
        return;
    if (bestValue < 0)
        boxes.answer(true);
    auto *write = form.findChild<QAbstractButton *>(QString("WriteButton%1").arg(best));
    act([write] { write->click(); });
}
