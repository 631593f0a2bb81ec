#include "competition/slotrules.h"
#include "competition/tloadform.h"
#include "competition/tnewform.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/tempfolder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace
{

// Runs drive once dialog is the active modal window; gives up after a while instead of hanging.
void whenModal(QDialog *dialog, std::function<void()> drive, int triesLeft = 500)
{
    QTimer::singleShot(0, dialog, [=] {
        if (QApplication::activeModalWidget() != dialog) {
            if (triesLeft > 0)
                whenModal(dialog, drive, triesLeft - 1);
            else
                ADD_FAILURE() << "the dialog never came up";
            return;
        }
        drive();
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            dialog->reject();
        }
    });
}

// Types text as key presses, one character each, Cyrillic included.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

QStringList lines(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

class NewFormTest : public ::testing::Test
{
protected:
    NewFormTest()
    {
        loadAllFiles(files);
        boxes.shown.clear();
        data.ClubCount = 3;
        data.ClubNames[1] = Str17::fromText("Аня");
        data.ClubNames[2] = Str17::fromText("Боря");
        data.ClubNames[3] = Str17::fromText("Вера");
    }

    template <typename T> T *child(const char *name) const
    {
        T *widget = form.findChild<T *>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QListWidget *chosen() const { return child<QListWidget>("ChosenListBox"); }
    QListWidget *current() const { return child<QListWidget>("CurrentListBox"); }
    QToolButton *toChosen() const { return child<QToolButton>("ToChosen"); }
    QToolButton *toCurrent() const { return child<QToolButton>("ToCurrent"); }
    QSpinBox *amount() const { return child<QSpinBox>("AmountSpinEdit"); }
    QSpinBox *diff() const { return child<QSpinBox>("DiffSpinEdit"); }
    QSpinBox *turs() const { return child<QSpinBox>("TursSpinEdit"); }
    QLineEdit *nameEdit() const { return child<QLineEdit>("NameEdit"); }

    // Picks the line of list showing name with the arrow keys, as a keyboard user does.
    void keySelect(QListWidget *list, const QString &name)
    {
        list->setFocus();
        const int target = lines(list).indexOf(name);
        ASSERT_GE(target, 0) << name.toStdString();
        if (list->currentRow() < 0)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentRow() < target)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentRow() > target)
            QTest::keyClick(list, Qt::Key_Up);
        ASSERT_EQ(list->selectedItems().size(), 1);
    }
    void press(QWidget *widget, Qt::Key key, int times = 1)
    {
        widget->setFocus();
        for (int i = 0; i < times; ++i)
            QTest::keyClick(widget, key);
    }
    // Moves name into the chosen list by keys.
    void choose(const QString &name)
    {
        keySelect(current(), name);
        press(toChosen(), Qt::Key_Space);
    }
    void chooseSlotByKeys(int slot)
    {
        whenModal(&loadForm, [this, slot] {
            auto *list = loadForm.findChild<QListWidget *>("SlotListBox");
            list->setFocus();
            while (list->currentRow() + 1 < slot)
                QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
        });
    }

    TempFolder folder;
    ScriptedBoxes boxes;
    SharedData data;
    DataFiles files{data, boxes, folder.path()};
    SeededRandom random{11};
    TLoadForm loadForm{data, boxes};
    TNewForm form{data, files, random, boxes, loadForm};
};

} // namespace

TEST_F(NewFormTest, ListsSpinBoxesAndNameFollowTheKeys)
{
    const std::vector<uint8_t> fileBefore = folder.read(kSlotsFile);
    whenModal(&form, [&] {
        EXPECT_EQ(form.windowTitle(), "Новый турнир");
        EXPECT_EQ(child<QLabel>("NameLabel")->text(), "Название турнира");
        EXPECT_EQ(nameEdit()->accessibleName(), "Название турнира");
        EXPECT_EQ(form.focusWidget(), nameEdit());
        EXPECT_EQ(lines(current()), (QStringList{"Аня", "Боря", "Вера"}));
        EXPECT_TRUE(lines(chosen()).isEmpty());
        EXPECT_FALSE(toChosen()->isEnabled());
        EXPECT_FALSE(toCurrent()->isEnabled());
        EXPECT_EQ(toChosen()->accessibleName(), "Выбрать");
        EXPECT_EQ(toCurrent()->toolTip(), "Вернуть");
        EXPECT_EQ(amount()->minimum(), 2);
        EXPECT_EQ(amount()->maximum(), 10);
        EXPECT_EQ(amount()->value(), 7);
        EXPECT_EQ(diff()->value(), 6);
        EXPECT_EQ(turs()->value(), 20);

        keySelect(current(), "Боря");
        EXPECT_TRUE(toChosen()->isEnabled());
        EXPECT_FALSE(toCurrent()->isEnabled());
        press(toChosen(), Qt::Key_Space);
        EXPECT_EQ(lines(chosen()), QStringList{"Боря"});
        EXPECT_EQ(lines(current()), (QStringList{"Аня", "Вера"}));
        EXPECT_FALSE(toChosen()->isEnabled());
        keySelect(chosen(), "Боря");
        EXPECT_TRUE(toCurrent()->isEnabled());
        EXPECT_FALSE(toChosen()->isEnabled());
        keySelect(current(), "Вера");
        EXPECT_TRUE(toChosen()->isEnabled());
        EXPECT_FALSE(toCurrent()->isEnabled());
        keySelect(chosen(), "Боря");
        press(toCurrent(), Qt::Key_Space);
        EXPECT_EQ(lines(current()), (QStringList{"Аня", "Вера", "Боря"}));
        EXPECT_FALSE(toCurrent()->isEnabled());

        // Arrows only: typed digits do not change a count.
        press(diff(), Qt::Key_Up, 5);
        EXPECT_EQ(diff()->value(), 10);
        press(turs(), Qt::Key_Down);
        EXPECT_EQ(turs()->value(), 15);
        typeText(turs(), "3");
        EXPECT_EQ(turs()->value(), 15);
        press(amount(), Qt::Key_Down, 9);
        EXPECT_EQ(amount()->value(), 2);

        // No name: the message, and the dialog stays.
        press(nameEdit(), Qt::Key_Return);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].kind, MessageBoxes::Kind::Information);
        EXPECT_EQ(boxes.shown[0].text, "Надо ввести название.");
        EXPECT_TRUE(form.isVisible());
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_FALSE(form.open(CompetitionKind::Tournament));

    // The championship: its own captions and count; difficulty and rounds as last set.
    whenModal(&form, [&] {
        EXPECT_EQ(form.windowTitle(), "Новый чемпионат");
        EXPECT_EQ(child<QLabel>("NameLabel")->text(), "Название чемпионата");
        EXPECT_EQ(lines(current()), (QStringList{"Аня", "Боря", "Вера"}));
        EXPECT_TRUE(nameEdit()->text().isEmpty());
        EXPECT_EQ(amount()->value(), 21);
        press(amount(), Qt::Key_Up);
        EXPECT_EQ(amount()->value(), 24);
        press(amount(), Qt::Key_Down, 5);
        EXPECT_EQ(amount()->value(), 12);
        press(amount(), Qt::Key_Up, 9);
        EXPECT_EQ(amount()->value(), 30);
        EXPECT_EQ(diff()->value(), 10);
        EXPECT_EQ(turs()->value(), 15);
        child<QPushButton>("CancelButton")->click();
    });
    EXPECT_FALSE(form.open(CompetitionKind::Championship));

    whenModal(&form, [&] {
        EXPECT_EQ(amount()->value(), 7) << "the count starts afresh";
        EXPECT_EQ(amount()->maximum(), 10);
        form.close();
    });
    EXPECT_FALSE(form.open(CompetitionKind::Tournament));
    EXPECT_EQ(data.CurTurSlot, 0);
    EXPECT_EQ(data.CurChamSlot, 0);
    EXPECT_EQ(folder.read(kSlotsFile), fileBefore);
}

TEST_F(NewFormTest, ChampionshipIsCreatedInTheChosenSlotAndSaved)
{
    whenModal(&form, [&] {
        choose("Вера");
        choose("Аня");
        press(diff(), Qt::Key_Down, 2);
        press(turs(), Qt::Key_Up);
        nameEdit()->setFocus();
        typeText(nameEdit(), "Кубок клуба");
        chooseSlotByKeys(2);
        QTest::keyClick(nameEdit(), Qt::Key_Return);
    });
    ASSERT_TRUE(form.open(CompetitionKind::Championship));
    EXPECT_EQ(loadForm.windowTitle(), "Выберите слот для чемпионата");
    EXPECT_EQ(data.CurChamSlot, 2);
    EXPECT_EQ(data.CurTurSlot, 0);
    const TSaveSlot &slot = data.Slots[2];
    EXPECT_TRUE(SlotPlayable(slot));
    EXPECT_EQ(slot.IsCham, 1);
    EXPECT_EQ(slot.Title.text(), "Кубок клуба");
    EXPECT_EQ(slot.Cham.Difficulty, 4);
    EXPECT_EQ(slot.Cham.RoundsTotal, 25);
    EXPECT_EQ(slot.Cham.ParticipantCount, 21);
    EXPECT_EQ(slot.Cham.HumanCount, 2);
    EXPECT_EQ(slot.Names[1].text(), "Вера");
    EXPECT_EQ(slot.Names[2].text(), "Аня");
    EXPECT_FALSE(slot.Names[21].empty());

    // What is in memory is on disk.
    const std::vector<uint8_t> file = folder.read(kSlotsFile);
    ASSERT_EQ(file.size(), 11 * sizeof(TSaveSlot));
    EXPECT_EQ(std::memcmp(file.data() + sizeof(TSaveSlot), &slot, sizeof(TSaveSlot)), 0);
}

TEST_F(NewFormTest, TournamentKeepsEveryChosenMemberAndCancellingTheSlotChangesNothing)
{
    whenModal(&form, [&] {
        press(amount(), Qt::Key_Down, 5);
        EXPECT_EQ(amount()->value(), 2);
        choose("Аня");
        choose("Боря");
        EXPECT_EQ(amount()->value(), 2);
        choose("Вера");
        EXPECT_EQ(amount()->value(), 3) << "raised to the number chosen";
        press(amount(), Qt::Key_Down);
        typeText(nameEdit(), "Трое на двоих");
        chooseSlotByKeys(5);
        QTest::keyClick(nameEdit(), Qt::Key_Return);
    });
    ASSERT_TRUE(form.open(CompetitionKind::Tournament));
    EXPECT_EQ(loadForm.windowTitle(), "Выберите слот для турнира");
    EXPECT_EQ(data.CurTurSlot, 5);
    const TSaveSlot saved = data.Slots[5];
    EXPECT_EQ(saved.Tur.ParticipantCount, 2);
    EXPECT_EQ(saved.Tur.HumanCount, 3);
    EXPECT_EQ(saved.Names[3].text(), "Вера");
    const std::vector<uint8_t> fileBefore = folder.read(kSlotsFile);

    // A valid dialog, then the slot chooser given up: the current tournament stays.
    whenModal(&form, [&] {
        typeText(nameEdit(), "Другой");
        whenModal(&loadForm, [&] {
            auto *list = loadForm.findChild<QListWidget *>("SlotListBox");
            list->setCurrentRow(4);
            QTest::keyClick(list, Qt::Key_Escape);
        });
        QTest::keyClick(nameEdit(), Qt::Key_Return);
    });
    EXPECT_FALSE(form.open(CompetitionKind::Tournament));
    EXPECT_EQ(data.CurTurSlot, 5);
    EXPECT_EQ(std::memcmp(&data.Slots[5], &saved, sizeof saved), 0);
    EXPECT_EQ(folder.read(kSlotsFile), fileBefore);
}
