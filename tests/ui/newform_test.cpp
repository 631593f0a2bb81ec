#include "competition/slotrules.h"
#include "competition/tloadform.h"
#include "competition/tnewform.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/tempfolder.h"

#include <QApplication>
#include <QKeyEvent>
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

// Runs drive inside dialog's next modal loop; a dialog left open fails instead of hanging.
void whenModal(QDialog *dialog, std::function<void()> drive)
{
    QTimer::singleShot(0, dialog, [=] {
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        drive();
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            dialog->reject();
        }
    });
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
        files.LoadAll();
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
    // Chooses name's line with the arrow keys; only the button toward the other list goes on.
    void choose(const QString &name, bool inCurrent = true)
    {
        auto *list = child<QListWidget>(inCurrent ? "CurrentListBox" : "ChosenListBox");
        list->setFocus();
        const int target = lines(list).indexOf(name);
        ASSERT_GE(target, 0) << name.toStdString();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < target; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        EXPECT_TRUE(button(inCurrent)->isEnabled());
        EXPECT_FALSE(button(!inCurrent)->isEnabled());
    }
    // Moves name to the other list by keys.
    void move(const QString &name, bool toChosen = true)
    {
        choose(name, toChosen);
        press(button(toChosen), Qt::Key_Space);
        EXPECT_FALSE(button(toChosen)->isEnabled());
    }
    QToolButton *button(bool toChosen) const
    {
        return child<QToolButton>(toChosen ? "ToChosen" : "ToCurrent");
    }
    // The spin box's value after pressing key a number of times.
    int spin(const char *name, Qt::Key key = Qt::Key_unknown, int times = 1)
    {
        auto *box = child<QSpinBox>(name);
        press(box, key, key == Qt::Key_unknown ? 0 : times);
        return box->value();
    }
    void press(QWidget *widget, Qt::Key key, int times = 1)
    {
        widget->setFocus();
        for (int i = 0; i < times; ++i)
            QTest::keyClick(widget, key);
    }
    // Names the competition and presses Enter; the slot chooser then takes slot by the keys,
    // or is given up when slot is 0.
    void finish(const QString &title, int slot)
    {
        auto *name = child<QLineEdit>("NameEdit");
        for (const QChar ch : title) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(name, &press);
        }
        whenModal(&loadForm, [this, slot] {
            auto *list = loadForm.findChild<QListWidget *>("SlotListBox");
            list->setFocus();
            while (list->currentRow() + 1 < std::max(slot, 5))
                QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, slot ? Qt::Key_Return : Qt::Key_Escape);
        });
        QTest::keyClick(name, Qt::Key_Return);
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
    const QStringList club = {"Аня", "Боря", "Вера"};
    whenModal(&form, [&] {
        EXPECT_EQ(form.windowTitle(), "Новый турнир");
        auto *name = child<QLineEdit>("NameEdit");
        EXPECT_EQ(name->accessibleName(), "Название турнира");
        EXPECT_EQ(form.focusWidget(), name);
        EXPECT_EQ(lines(child<QListWidget>("CurrentListBox")), club);
        EXPECT_FALSE(button(true)->isEnabled());
        EXPECT_FALSE(button(false)->isEnabled());
        move("Боря");
        EXPECT_EQ(lines(child<QListWidget>("ChosenListBox")), QStringList{"Боря"});
        choose("Боря", false);
        choose("Вера");
        move("Боря", false);
        EXPECT_EQ(lines(child<QListWidget>("CurrentListBox")),
                  (QStringList{"Аня", "Вера", "Боря"}));

        // Defaults, both ends of each range, and arrows only: typed digits change no count.
        EXPECT_EQ(spin("AmountSpinEdit"), 7);
        EXPECT_EQ(spin("AmountSpinEdit", Qt::Key_Up, 4), 10);
        EXPECT_EQ(spin("AmountSpinEdit", Qt::Key_Down, 9), 2);
        EXPECT_EQ(spin("DiffSpinEdit"), 6);
        EXPECT_EQ(spin("DiffSpinEdit", Qt::Key_Up, 5), 10);
        EXPECT_EQ(spin("TursSpinEdit"), 20);
        EXPECT_EQ(spin("TursSpinEdit", Qt::Key_Down), 15);
        EXPECT_EQ(spin("TursSpinEdit", Qt::Key_3), 15);

        // No name: the message, and the dialog stays.
        press(name, Qt::Key_Return);
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
        EXPECT_EQ(child<QLineEdit>("NameEdit")->accessibleName(), "Название чемпионата");
        EXPECT_TRUE(child<QLineEdit>("NameEdit")->text().isEmpty());
        EXPECT_EQ(lines(child<QListWidget>("CurrentListBox")), club);
        EXPECT_EQ(spin("AmountSpinEdit"), 21);
        EXPECT_EQ(spin("AmountSpinEdit", Qt::Key_Up), 24);
        EXPECT_EQ(spin("AmountSpinEdit", Qt::Key_Down, 5), 12);
        EXPECT_EQ(spin("AmountSpinEdit", Qt::Key_Up, 9), 30);
        EXPECT_EQ(spin("DiffSpinEdit"), 10);
        EXPECT_EQ(spin("TursSpinEdit"), 15);
        child<QPushButton>("CancelButton")->click();
    });
    EXPECT_FALSE(form.open(CompetitionKind::Championship));

    whenModal(&form, [&] {
        EXPECT_EQ(spin("AmountSpinEdit"), 7) << "the count starts afresh";
        EXPECT_EQ(spin("AmountSpinEdit", Qt::Key_Up, 9), 10);
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
        move("Вера");
        move("Аня");
        spin("DiffSpinEdit", Qt::Key_Down, 2);
        spin("TursSpinEdit", Qt::Key_Up);
        finish("Кубок клуба", 7);
    });
    ASSERT_TRUE(form.open(CompetitionKind::Championship));
    EXPECT_EQ(loadForm.windowTitle(), "Выберите слот для чемпионата");
    EXPECT_EQ(data.CurChamSlot, 7);
    EXPECT_EQ(data.CurTurSlot, 0);
    const TSaveSlot &slot = data.Slots[7];
    EXPECT_TRUE(SlotPlayable(slot));
    EXPECT_EQ(std::tuple(slot.IsCham, slot.Title.text(), slot.Cham.Difficulty,
                         slot.Cham.RoundsTotal, slot.Cham.ParticipantCount, slot.Cham.HumanCount,
                         slot.Names[1].text(), slot.Names[2].text()),
              std::tuple(1, "Кубок клуба", 4, 25, 21, 2, "Вера", "Аня"));
    // What is in memory is on disk.
    const std::vector<uint8_t> file = folder.read(kSlotsFile);
    ASSERT_EQ(file.size(), 11 * sizeof(TSaveSlot));
    EXPECT_EQ(std::memcmp(file.data() + 6 * sizeof(TSaveSlot), &slot, sizeof(TSaveSlot)), 0);
}

TEST_F(NewFormTest, TournamentKeepsEveryChosenMemberAndCancellingTheSlotChangesNothing)
{
    whenModal(&form, [&] {
        EXPECT_EQ(spin("AmountSpinEdit", Qt::Key_Down, 5), 2);
        move("Аня");
        move("Боря");
        EXPECT_EQ(spin("AmountSpinEdit"), 2);
        move("Вера");
        EXPECT_EQ(spin("AmountSpinEdit"), 3) << "raised to the number chosen";
        EXPECT_EQ(spin("AmountSpinEdit", Qt::Key_Down), 2);
        finish("Трое на двоих", 5);
    });
    ASSERT_TRUE(form.open(CompetitionKind::Tournament));
    EXPECT_EQ(loadForm.windowTitle(), "Выберите слот для турнира");
    EXPECT_EQ(data.CurTurSlot, 5);
    const TSaveSlot saved = data.Slots[5];
    EXPECT_EQ(std::tuple(saved.Tur.ParticipantCount, saved.Tur.HumanCount), std::tuple(2, 3));
    const std::vector<uint8_t> fileBefore = folder.read(kSlotsFile);

    // A valid dialog, then the slot chooser given up: the current tournament stays.
    whenModal(&form, [&] { finish("Другой", 0); });
    EXPECT_FALSE(form.open(CompetitionKind::Tournament));
    EXPECT_EQ(data.CurTurSlot, 5);
    EXPECT_EQ(std::memcmp(&data.Slots[5], &saved, sizeof saved), 0);
    EXPECT_EQ(folder.read(kSlotsFile), fileBefore);
}
