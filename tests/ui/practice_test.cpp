#include "app/tpracticeform.h"
#include "coach/coach.h"
#include "coach/coachloader.h"
#include "coach/movetext.h"
#include "platform/qtpaths.h"
#include "tests/support/solvedtable.h"
#include "tests/ui/gameformfixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstring>

using namespace gameformtest;

namespace
{

class PracticeWindowTest : public GameFormBase
{
protected:
    // The program's coach, his table read from a cache of its own.
    static void SetUpTestSuite()
    {
        cacheFolder = new TempFolder;
        ASSERT_TRUE(SolvedTable().save(cacheFolder->file(kCoachCacheFile)));
        coach = new CoachLoader(cacheFolder->file(kCoachCacheFile));
        ASSERT_NE(coach->load(nullptr), nullptr);
    }
    static void TearDownTestSuite()
    {
        delete coach;
        delete cacheFolder;
    }

    void SetUp() override
    {
        copyPictures();
        form = TGameForm::create(services(seeded), sounds, pump, qtPath(folder.path()));
        ASSERT_NE(form, nullptr);
        dialog = std::make_unique<TPracticeForm>(*data, firstPracticeSetup(*data));
    }

    template <typename T> T *field(const char *name) const
    {
        auto *found = dialog->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString status() const { return form->findChild<QLabel *>("StatusBar")->text(); }
    // What a screen reader hears of the status line.
    std::string heard() const
    {
        auto *line = QAccessible::queryAccessibleInterface(form->findChild<QLabel *>("StatusBar"));
        return line->text(QAccessible::Name).toStdString();
    }
    void key(int k) { QTest::keyClick(form.get(), Qt::Key(k)); }
    PracticeServices practice() { return {*data, seeded, boxes, *form, *dialog, *coach}; }

    // Answers the dialog and plays, calling step whenever the game waits for input.
    void play(const QString &name, int opponents, int difficulty, bool hints,
              const std::function<void()> &step, const char *startButton = nullptr)
    {
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, form.get(), [&] {
            if (form->isVisible() && data->gameRunning)
                step();
        });
        driver.start(0);
        QTimer::singleShot(0, dialog.get(), [=, this] {
            EXPECT_TRUE(dialog->isVisible());
            field<QComboBox>("NameCombo")->setEditText(name);
            field<QSpinBox>("OpponentsEdit")->setValue(opponents);
            field<QSpinBox>("DifficultyEdit")->setValue(difficulty);
            field<QCheckBox>("HintsCheck")->setChecked(hints);
            field<QSpinBox>("PaceEdit")->setValue(pace);
            if (startButton)
                field<QAbstractButton>(startButton)->click();
            else
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        auto services = practice();
        PlayPractice(services);
    }

    // One step of the coach's own play through the window's keys and buttons, checking the hint.
    void coachStep(Coach &coach, int &hints)
    {
        DiceGame &game = form->game();
        const int throws = game.throwCounter();
        if (throws == 0 || throws > 3) {
            if (throws == 0 && game.players()[std::size_t(game.currentPlayer())].isHuman()) {
                key(Qt::Key_Question);
                EXPECT_EQ(status().toStdString(), AdviceText(coach.advise(game.moment())));
                ++hints;
            }
            return key(Qt::Key_Space);
        }
        const auto moves = coach.advise(game.moment());
        form->findChild<QAbstractButton *>("HintButton")->click();
        EXPECT_EQ(status().toStdString(), AdviceText(moves));
        ++hints;
        const auto &writing = game.screen().writeEnabled;
        if (game.keptCount() == 5 &&
            std::find(writing.begin(), writing.end(), true) != writing.end())
            return QTest::mouseClick(form->findChild<QAbstractButton *>(
                                         QString("WriteButton%1").arg(moves[0].combination)),
                                     Qt::LeftButton);
        std::vector<uint8_t> keep = moves[0].keep;
        for (uint8_t face : game.moment().kept)
            keep.erase(std::find(keep.begin(), keep.end(), face));
        for (int position = game.keptCount() + 1; position <= 5; ++position) {
            const auto wanted = std::find(keep.begin(), keep.end(), game.dieFace(position));
            if (wanted != keep.end()) {
                keep.erase(wanted);
                key(Qt::Key_0 + position);
            }
        }
        key(Qt::Key_Space);
    }

    static TempFolder *cacheFolder;
    static CoachLoader *coach;
    int pace = 1;
    SeededRandom seeded{20261208};
    std::unique_ptr<TGameForm> form;
    std::unique_ptr<TPracticeForm> dialog;
};
TempFolder *PracticeWindowTest::cacheFolder = nullptr;
CoachLoader *PracticeWindowTest::coach = nullptr;

TEST_F(PracticeWindowTest, WholeCoachedGameBooksNothingAndEndsWithTheReview)
{
    data->CurDifficulty = 3;
    const auto before = folder.contents();
    const auto rating = data->Rating;
    const auto records = data->Records;
    for (int i = 0; i < 16; ++i)
        boxes.answer(true); // strikes the coach chooses
    Coach coach(SolvedTable());
    int hints = 0;
    std::string caption;
    play("Вася", 2, 7, true, [&] {
        caption = form->windowTitle().toStdString();
        EXPECT_EQ(form->findChild<QLabel *>("DiffNumberLabel")->text(), "7");
        coachStep(coach, hints);
    });

    EXPECT_EQ(caption, "ВЕРТОКС для Windows - Тренировка");
    EXPECT_GE(hints, 16 * 2);
    DiceGame &game = form->game();
    ASSERT_EQ(game.playerCount(), 3);
    EXPECT_EQ(game.players()[1].name.text(), "Вася");
    for (int c = 1; c <= 16; ++c)
        EXPECT_NE(game.players()[1].sheet[std::size_t(c)], 0);
    // Nothing booked or written, the competition's difficulty untouched, every choice the best.
    EXPECT_EQ(folder.contents(), before);
    EXPECT_EQ(std::memcmp(&data->Rating, &rating, sizeof rating), 0);
    EXPECT_EQ(std::memcmp(&data->Records, &records, sizeof records), 0);
    EXPECT_EQ(data->CurDifficulty, 3);
    EXPECT_FALSE(form->findChild<QAbstractButton *>("HintButton")->isVisible());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              "Ваш итог: " + std::to_string(game.players()[1].sheet[kTotalCell]) +
                  ".\nЛучшая игра с первого хода даёт в среднем " + PointsText(coach.freshTotal()) +
                  ".\nОтдано выбором ходов: 0,0.\nВсе решения были лучшими!");
}

TEST_F(PracticeWindowTest, ClosingEndsWithoutAQuestionOrReviewAndHintsCanBeOff)
{
    const auto before = folder.contents();
    const auto rating = data->Rating;
    play("Вася", 0, 1, false, [&] {
        EXPECT_FALSE(form->findChild<QAbstractButton *>("HintButton")->isVisible());
        const QString shown = status();
        key(Qt::Key_Question);
        EXPECT_EQ(status(), shown);
        form->close();
    });
    EXPECT_TRUE(boxes.asked.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(data->gameRunning);
    EXPECT_EQ(folder.contents(), before);
    EXPECT_EQ(std::memcmp(&data->Rating, &rating, sizeof rating), 0);

    // Nothing at all while another game runs.
    data->gameRunning = true;
    auto services = practice();
    PlayPractice(services);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(PracticeWindowTest, CoachTableComesFromTheCacheOrIsComputedUnderProgress)
{
    const auto cache = folder.file(kCoachCacheFile);
    ASSERT_TRUE(SolvedTable().save(cache));
    CoachLoader loaded(cache);
    ASSERT_NE(loaded.load(nullptr), nullptr);
    EXPECT_EQ(loaded.loaded()->freshTotal(), SolvedTable().value(CoachTable::kFreshSheet));

    // A damaged cache is computed again under a progress dialog; stopping it leaves no table
    // and the file as it was.
    std::filesystem::resize_file(cache, 100);
    bool progressShown = false;
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget())) {
            progressShown = true;
            progress->cancel();
        }
    });
    stopper.start(20);
    CoachLoader stopped(cache);
    EXPECT_EQ(stopped.load(nullptr), nullptr);
    EXPECT_TRUE(progressShown);
    EXPECT_EQ(stopped.loaded(), nullptr);
    EXPECT_EQ(std::filesystem::file_size(cache), 100u);
}

TEST_F(PracticeWindowTest, DialogRemembersItsValuesAndRefusesUnstorableNames)
{
    data->ClubCount = 1;
    dialog = std::make_unique<TPracticeForm>(*data, firstPracticeSetup(*data));
    auto *name = field<QComboBox>("NameCombo");
    auto *opponents = field<QSpinBox>("OpponentsEdit");
    auto *ok = dialog->findChild<QAbstractButton *>("OkButton");
    QTimer::singleShot(0, dialog.get(), [&] {
        // A club member's name to start with, the name field first.
        EXPECT_TRUE(dialog->focusWidget() == name || dialog->focusWidget() == name->lineEdit());
        EXPECT_EQ(name->currentText(), "Аня");
        for (const char *bad : {"", "   ", "漢字"}) {
            name->setEditText(bad);
            EXPECT_FALSE(ok->isEnabled()) << bad;
        }
        name->setEditText("12345678901234567");
        opponents->setValue(10);
        field<QSpinBox>("DifficultyEdit")->setValue(0);
        field<QCheckBox>("HintsCheck")->setChecked(false);
        EXPECT_TRUE(ok->isEnabled());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    PracticeSetup setup;
    ASSERT_TRUE(dialog->ask(setup));
    auto text = [](const PracticeSetup &s) {
        return s.name + "/" + std::to_string(s.opponents) + "/" + std::to_string(s.difficulty) +
               "/" + std::to_string(s.hints);
    };
    EXPECT_EQ(text(setup), "1234567890123456/9/1/0");

    // Escape changes nothing; the next time opens with the values chosen last.
    QTimer::singleShot(0, dialog.get(), [&] {
        opponents->setValue(0);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    PracticeSetup untouched;
    EXPECT_FALSE(dialog->ask(untouched));
    EXPECT_EQ(text(untouched), text(PracticeSetup{}));
    QTimer::singleShot(0, dialog.get(), [&] {
        // Enter at once takes the values shown, although the name is selected for typing over.
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "Enter did not press Ok";
            ok->click();
        }
    });
    ASSERT_TRUE(dialog->ask(untouched));
    EXPECT_EQ(text(untouched), text(setup));
}

TEST_F(PracticeWindowTest, KeysPlayUndoAndPlayAgainThenTheCoachShowsHisOwnGame)
{
    for (int i = 0; i < 40; ++i)
        boxes.answer(true);
    const auto before = folder.contents();
    // "Показ" starts the coach at once; Escape hands the game back before his first move.
    std::vector<std::string> announced;
    const auto announce = [&](unsigned ms) {
        if (ms == 1000 && announced.size() < 4)
            announced.push_back(heard());
        if (announced.size() == 1 || announced.size() == 4)
            QTest::keyClick(form.get(), Qt::Key_Escape);
    };
    pump.onWait = announce;
    bool scripted = false;
    const auto script = [&] {
        if (announced.empty() || std::exchange(scripted, true))
            return;
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        DiceGame &game = form->game();
        EXPECT_EQ(status(), "Нажмите \"Начать\" для начала игры");
        pump.onWait = {};
        const auto sheet = [&] { return game.players()[1].sheet; };
        auto *undo = form->findChild<QAbstractButton *>("UndoButton");
        ASSERT_TRUE(undo && undo->accessibleName() == "Отменить ход" && !undo->isEnabled());
        const auto throwAll = [&](int presses) { // "Ok", "Еще" twice, "Хватит"
            for (int k = 0; k < presses; ++k)
                key(Qt::Key_Space);
        };
        const auto writeRow = [&](int row) {
            form->setFocus();
            for (int k = 0; k < row; ++k)
                key(Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            key(Qt::Key_Space); // the computer's move
        };
        throwAll(5); // and "Начать"
        const auto dice = game.screen().lowerRow;
        const QString writing = status();
        writeRow(1);
        EXPECT_NE(sheet()[1], 0);
        EXPECT_TRUE(undo->isEnabled());
        key(Qt::Key_Space);
        throwAll(4);
        const auto secondDice = game.screen().lowerRow;

        // Undo takes back turn 1's write and the computer's move after it, not a die more.
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(sheet() == ScoreSheet{} && game.players()[2].sheet == ScoreSheet{});
        EXPECT_TRUE(game.screen().lowerRow == dice && game.throwCounter() == 3);
        EXPECT_EQ(status(), writing);
        EXPECT_FALSE(undo->isEnabled());
        writeRow(2);
        key(Qt::Key_Space);
        throwAll(4);
        EXPECT_TRUE(game.screen().lowerRow == secondDice) << "turn 2 throws no new dice";
        writeRow(1);
        undo->click();
        undo->click();
        EXPECT_TRUE(sheet() == ScoreSheet{} && game.screen().lowerRow == dice);
        writeRow(2);
        key(Qt::Key_Space); // Вася's second turn

        // F5: the coach plays, each move announced, until Escape hands the game back before his
        // third (the fourth announcement); a click on the dice hands it back at once; left alone,
        // he ends the game.
        pump.onWait = announce;
        key(Qt::Key_F5);
        EXPECT_EQ(game.throwCounter(), 2);
        EXPECT_EQ(status().indexOf("Показ"), -1);
        pump.onWait = [&](unsigned) {
            QTest::mouseClick(form->findChild<QWidget *>("CubeImage"), Qt::LeftButton, {},
                              QPoint(30, 30));
        };
        key(Qt::Key_F5);
        EXPECT_TRUE(game.throwCounter() == 2 && data->gameRunning);
        pump.onWait = {};
        key(Qt::Key_F5);
    };
    play("Вася", 1, 5, true, script, "ShowButton");
    ASSERT_EQ(announced.size(), 4u);
    EXPECT_EQ(announced[0], "Показ: «Начать» (Esc - играть самому)");
    EXPECT_EQ(announced[1].find("Показ: Бросайте (в среднем "), 0u) << announced[1];
    EXPECT_EQ(announced[3].find("Показ: "), 0u) << announced[3];
    EXPECT_FALSE(data->gameRunning);
    EXPECT_EQ(folder.contents(), before);
    EXPECT_EQ(form->findChild<QAbstractButton *>("UndoButton"), nullptr);
    ASSERT_EQ(boxes.shown.size(), 1u) << "the review of Вася's own choices";
}

} // namespace
