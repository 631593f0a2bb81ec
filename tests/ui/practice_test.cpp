#include "app/tpracticeform.h"
#include "game/coach.h"
#include "game/coachloader.h"
#include "tests/ui/gameformfixture.h"

#include <QAbstractButton>
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
#include <map>

using namespace gameformtest;

namespace
{

std::map<std::string, std::vector<uint8_t>> filesIn(const TempFolder &folder)
{
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder.path()))
        files[entry.path().filename().string()] =
            folder.read(entry.path().filename().string().c_str());
    return files;
}

class PracticeWindowTest : public GameFormBase
{
protected:
    static void SetUpTestSuite()
    {
        table = new CoachTable;
        ASSERT_TRUE(table->compute());
    }
    static void TearDownTestSuite() { delete table; }

    void SetUp() override
    {
        copyPictures();
        form = TGameForm::create(services(seeded), sounds, pump,
                                 QString::fromStdString(folder.path().string()));
        ASSERT_NE(form, nullptr);
        dialog = std::make_unique<TPracticeForm>(*data);
    }

    template <typename T> T *field(const char *name) const
    {
        auto *found = dialog->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Answers the dialog when it opens: the values, then Enter or Escape.
    void answerDialog(const QString &name, int opponents, int difficulty, bool hints, int key)
    {
        QTimer::singleShot(0, dialog.get(), [=, this] {
            EXPECT_TRUE(dialog->isVisible());
            field<QComboBox>("NameCombo")->setEditText(name);
            field<QSpinBox>("OpponentsEdit")->setValue(opponents);
            field<QSpinBox>("DifficultyEdit")->setValue(difficulty);
            field<QCheckBox>("HintsCheck")->setChecked(hints);
            QTest::keyClick(dialog->focusWidget(), Qt::Key(key));
        });
    }
    QString status() const { return form->findChild<QLabel *>("StatusBar")->text(); }
    void key(int k) { QTest::keyClick(form.get(), Qt::Key(k)); }

    // One step of the coach's own play through the window's keys and buttons.
    void coachStep(Coach &coach, int &hintsChecked)
    {
        DiceGame &game = form->game();
        const int throws = game.throwCounter();
        const bool human = game.players[std::size_t(game.currentPlayer())].isHuman();
        if (throws == 0 || throws > 3) {
            if (throws == 0 && human) {
                key(Qt::Key_Question);
                EXPECT_EQ(status().toStdString(), AdviceText(coach.advise(game.moment())));
                EXPECT_EQ(status().left(20), "Бросайте (в среднем ");
                ++hintsChecked;
            }
            key(Qt::Key_Space);
            return;
        }
        const auto moves = coach.advise(game.moment());
        form->findChild<QAbstractButton *>("HintButton")->click();
        EXPECT_EQ(status().toStdString(), AdviceText(moves));
        ++hintsChecked;
        if (game.keptCount() == 5) {
            const auto &writing = game.screen().writeEnabled;
            if (std::find(writing.begin(), writing.end(), true) == writing.end()) {
                key(Qt::Key_Space);
                return;
            }
            QTest::mouseClick(form->findChild<QAbstractButton *>(
                                  QString("WriteButton%1").arg(moves[0].combination)),
                              Qt::LeftButton);
            return;
        }
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

    PracticeServices practice()
    {
        return {*data, seeded, boxes, *form, *dialog, folder.file(CoachTable::kCacheFile)};
    }

    static CoachTable *table;
    SeededRandom seeded{20261208};
    std::unique_ptr<TGameForm> form;
    std::unique_ptr<TPracticeForm> dialog;
};
CoachTable *PracticeWindowTest::table = nullptr;

TEST_F(PracticeWindowTest, WholeCoachedGameBooksNothingAndEndsWithTheReview)
{
    dialog->coachTable() = *table;
    data->CurDifficulty = 3;
    const auto before = filesIn(folder);
    const auto rating = data->Rating;
    const auto records = data->Records;
    for (int i = 0; i < 16; ++i)
        boxes.answer(true); // strikes the coach chooses

    Coach coach(*table);
    int hintsChecked = 0;
    std::string caption;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, form.get(), [&] {
        if (!form->isVisible() || !data->gameRunning)
            return;
        caption = form->windowTitle().toStdString();
        EXPECT_EQ(data->CurDifficulty, 7);
        coachStep(coach, hintsChecked);
    });
    driver.start(0);
    answerDialog("Вася", 2, 7, true, Qt::Key_Return);
    auto services = practice();
    PlayPractice(services);
    driver.stop();

    EXPECT_EQ(caption, "ВЕРТОКС для Windows - Тренировка");
    EXPECT_GE(hintsChecked, 16 * 2);
    DiceGame &game = form->game();
    ASSERT_EQ(game.playerCount, 3);
    EXPECT_EQ(game.players[1].name.text(), "Вася");
    for (int c = 1; c <= 16; ++c)
        EXPECT_NE(game.players[1].sheet[std::size_t(c)], 0);
    // Nothing booked, nothing written, the competition's difficulty back.
    EXPECT_EQ(filesIn(folder), before);
    EXPECT_EQ(std::memcmp(&data->Rating, &rating, sizeof rating), 0);
    EXPECT_EQ(std::memcmp(&data->Records, &records, sizeof records), 0);
    EXPECT_EQ(data->CurDifficulty, 3);
    EXPECT_FALSE(game.practice());
    EXPECT_FALSE(form->findChild<QAbstractButton *>("HintButton")->isVisible());
    // The review: the total, best play's expectation, and every choice was the best one.
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::string review = boxes.shown[0].text;
    EXPECT_EQ(
        review.rfind("Ваш итог: " + std::to_string(game.players[1].sheet[kTotalCell]) + ".\n", 0),
        0u);
    EXPECT_NE(review.find(PointsText(coach.freshTotal())), std::string::npos);
    EXPECT_NE(review.find("Отдано выбором ходов: 0,0."), std::string::npos);
}

TEST_F(PracticeWindowTest, ClosingEndsWithoutAQuestionOrReviewAndHintsCanBeOff)
{
    dialog->coachTable() = *table;
    const auto before = filesIn(folder);
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, form.get(), [&] {
        if (!form->isVisible())
            return;
        EXPECT_FALSE(form->findChild<QAbstractButton *>("HintButton")->isVisible());
        const QString shown = status();
        key(Qt::Key_Question); // hints off: nothing
        EXPECT_EQ(status(), shown);
        form->close();
    });
    closer.start(0);
    answerDialog("Вася", 0, 1, false, Qt::Key_Return);
    auto services = practice();
    PlayPractice(services);
    closer.stop();
    EXPECT_TRUE(boxes.asked.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(data->gameRunning);
    EXPECT_EQ(filesIn(folder), before);

    // Nothing at all while another game runs.
    data->gameRunning = true;
    PlayPractice(services);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(PracticeWindowTest, CoachTableComesFromTheCacheOrIsComputedUnderProgress)
{
    const auto cache = folder.file(CoachTable::kCacheFile);
    ASSERT_TRUE(table->save(cache));
    CoachTable loaded;
    ASSERT_TRUE(LoadCoachTable(loaded, cache, nullptr));
    EXPECT_EQ(loaded.value(CoachTable::kFreshSheet), table->value(CoachTable::kFreshSheet));

    // A damaged cache is computed again on a background thread; stopping it leaves no table
    // and the file as it was.
    std::filesystem::resize_file(cache, 100);
    bool progressShown = false;
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *progress = qobject_cast<QProgressDialog *>(window);
                progress && progress->isVisible()) {
                progressShown = true;
                progress->cancel();
            }
        }
    });
    stopper.start(20);
    CoachTable stopped;
    EXPECT_FALSE(LoadCoachTable(stopped, cache, nullptr));
    stopper.stop();
    EXPECT_TRUE(progressShown);
    EXPECT_FALSE(stopped.ready());
    EXPECT_EQ(std::filesystem::file_size(cache), 100u);
}

TEST_F(PracticeWindowTest, DialogRemembersItsValuesAndRefusesUnstorableNames)
{
    data->ClubCount = 1;
    dialog = std::make_unique<TPracticeForm>(*data);
    PracticeSetup setup;
    QTimer::singleShot(0, dialog.get(), [&] {
        // A club member's name to start with, the name field first.
        auto *name = field<QComboBox>("NameCombo");
        EXPECT_TRUE(dialog->focusWidget() == name || dialog->focusWidget() == name->lineEdit());
        EXPECT_EQ(field<QComboBox>("NameCombo")->currentText(), "Аня");
        EXPECT_EQ(field<QComboBox>("NameCombo")->accessibleName(), "Имя игрока");
        EXPECT_EQ(field<QSpinBox>("OpponentsEdit")->accessibleName(), "Соперников");
        EXPECT_EQ(field<QSpinBox>("DifficultyEdit")->accessibleName(), "Сложность");
        auto *ok = dialog->findChild<QAbstractButton *>("OkButton");
        for (const char *bad : {"", "   ", "漢字"}) {
            field<QComboBox>("NameCombo")->setEditText(bad);
            EXPECT_FALSE(ok->isEnabled()) << bad;
        }
        field<QComboBox>("NameCombo")->setEditText("12345678901234567");
        EXPECT_EQ(field<QComboBox>("NameCombo")->currentText().size(), 16);
        field<QSpinBox>("OpponentsEdit")->setValue(10);
        field<QSpinBox>("DifficultyEdit")->setValue(0);
        field<QCheckBox>("HintsCheck")->setChecked(false);
        EXPECT_TRUE(ok->isEnabled());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    ASSERT_TRUE(dialog->ask(setup));
    EXPECT_EQ(setup.name, "1234567890123456");
    EXPECT_EQ(setup.opponents, 9);
    EXPECT_EQ(setup.difficulty, 1);
    EXPECT_FALSE(setup.hints);

    // Escape keeps the values chosen last time and changes nothing.
    QTimer::singleShot(0, dialog.get(), [&] {
        EXPECT_EQ(field<QComboBox>("NameCombo")->currentText(), "1234567890123456");
        EXPECT_EQ(field<QSpinBox>("OpponentsEdit")->value(), 9);
        EXPECT_EQ(field<QSpinBox>("DifficultyEdit")->value(), 1);
        EXPECT_FALSE(field<QCheckBox>("HintsCheck")->isChecked());
        field<QSpinBox>("OpponentsEdit")->setValue(0);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    PracticeSetup untouched;
    EXPECT_FALSE(dialog->ask(untouched));
    EXPECT_EQ(untouched.opponents, PracticeSetup{}.opponents);
    EXPECT_EQ(dialog->setup().opponents, 9);
}

} // namespace
