#include "competition/tloadform.h"

#include "tests/support/scriptedboxes.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace
{

void fillSlot(TSaveSlot &slot, uint8_t kind, const char *title, uint8_t participants)
{
    slot.IsCham = kind;
    slot.Title = Str21::fromText(title);
    TTournamentFields &t = slot.Tur;
    TChampionshipFields &c = slot.Cham;
    if (kind == 1) {
        c.RoundsTotal = 10;
        c.Difficulty = 5;
        c.ParticipantCount = participants;
    } else {
        t.RoundsTotal = 10;
        t.Difficulty = 5;
        t.ParticipantCount = participants;
    }
}

class LoadFormTest : public ::testing::Test
{
protected:
    LoadFormTest()
    {
        fillSlot(data.Slots[1], 0, "Весна", 4);
        fillSlot(data.Slots[3], 0, "Поддельный", 11); // no dialog makes 11 at one table
        fillSlot(data.Slots[4], 1, "Кубок", 12);
        fillSlot(data.Slots[10], 1, "Лето", 30);
    }

    // Runs the chooser and drives it from inside its modal loop.
    int choose(TLoadForm::Mode mode, std::function<void()> drive)
    {
        QTimer::singleShot(0, &form, [this, drive] {
            EXPECT_EQ(QApplication::activeModalWidget(), &form);
            drive();
            // A driver that leaves the dialog open fails the test instead of hanging it.
            if (form.isVisible()) {
                ADD_FAILURE() << "the chooser is still open";
                form.reject();
            }
        });
        return form.chooseSlot(mode, QStringLiteral("Выберите слот для загрузки"));
    }
    QListWidget *list() const { return form.findChild<QListWidget *>("SlotListBox"); }
    QPushButton *ok() const { return form.findChild<QPushButton *>("OKButton"); }
    QPushButton *cancel() const { return form.findChild<QPushButton *>("CancelButton"); }
    // Moves to line (1-based) with the arrow keys, from wherever the list stands.
    void keyTo(int line)
    {
        while (list()->currentRow() + 1 < line)
            QTest::keyClick(list(), Qt::Key_Down);
        while (list()->currentRow() + 1 > line)
            QTest::keyClick(list(), Qt::Key_Up);
        EXPECT_EQ(list()->selectedItems().size(), 1);
    }

    SharedData data;
    ScriptedBoxes boxes;
    TLoadForm form{data, boxes};
};

} // namespace

TEST_F(LoadFormTest, LoadingOffersOnlyPlayableSlots)
{
    const int chosen = choose(TLoadForm::Mode::Loading, [&] {
        EXPECT_EQ(form.windowTitle(), "Выберите слот для загрузки");
        EXPECT_EQ(list()->accessibleName(), "Выберите слот для загрузки");
        ASSERT_EQ(list()->count(), 10);
        const char *lines[] = {"Весна(Турн.)", "<Пусто>",    "Поддельный(Турн.)", "Кубок(Чемп.)",
                               "<Пусто>",      "<Пусто>",    "<Пусто>",           "<Пусто>",
                               "<Пусто>",      "Лето(Чемп.)"};
        for (int k = 0; k < 10; ++k)
            EXPECT_EQ(list()->item(k)->text().toStdString(), lines[k]) << "line " << k + 1;
        EXPECT_TRUE(list()->selectedItems().isEmpty());
        EXPECT_FALSE(ok()->isEnabled());
        EXPECT_TRUE(ok()->isDefault());
        EXPECT_EQ(ok()->accessibleName(), "OK");
        EXPECT_EQ(cancel()->accessibleName(), "Отмена");

        // OK with nothing selected does nothing.
        ok()->click();
        EXPECT_TRUE(form.isVisible());
        const bool loadable[] = {true, false, false, true, false, false, false, false, false, true};
        list()->setFocus();
        for (int line = 1; line <= 10; ++line) {
            keyTo(line);
            EXPECT_EQ(ok()->isEnabled(), loadable[line - 1]) << "line " << line;
        }
        keyTo(3);
        QTest::keyClick(list(), Qt::Key_Return);
        EXPECT_TRUE(form.isVisible()) << "an unplayable slot is never loaded";
        keyTo(4);
        QTest::keyClick(list(), Qt::Key_Return);
    });
    EXPECT_EQ(chosen, 4);
    EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(LoadFormTest, WritingAsksBeforeOverwritingAndGivesUpWithZero)
{
    // An empty slot is taken without a question.
    EXPECT_EQ(choose(TLoadForm::Mode::Writing,
                     [&] {
                         list()->setCurrentRow(1);
                         EXPECT_TRUE(ok()->isEnabled());
                         ok()->click();
                     }),
              2);
    EXPECT_TRUE(boxes.asked.empty());

    // Every occupied line may be overwritten, the crafted one too; No keeps the dialog open.
    boxes.answer(false);
    boxes.answer(true);
    EXPECT_EQ(choose(TLoadForm::Mode::Writing,
                     [&] {
                         EXPECT_TRUE(list()->selectedItems().isEmpty()) << "rebuilt at opening";
                         EXPECT_FALSE(ok()->isEnabled());
                         list()->setCurrentRow(2);
                         EXPECT_TRUE(ok()->isEnabled());
                         ok()->click();
                         EXPECT_TRUE(form.isVisible());
                         list()->setCurrentRow(0);
                         ok()->click();
                     }),
              1);
    EXPECT_EQ(boxes.asked, (std::vector<std::string>{"Слот уже занят\r\nЗаписать на него?",
                                                     "Слот уже занят\r\nЗаписать на него?"}));

    EXPECT_EQ(choose(TLoadForm::Mode::Writing,
                     [&] {
                         list()->setCurrentRow(4);
                         cancel()->click();
                     }),
              0);
    EXPECT_EQ(choose(TLoadForm::Mode::Loading,
                     [&] {
                         list()->setCurrentRow(0);
                         QTest::keyClick(&form, Qt::Key_Escape);
                     }),
              0);
    EXPECT_EQ(choose(TLoadForm::Mode::Writing, [&] { form.close(); }), 0);
    EXPECT_EQ(boxes.asked.size(), 2u);
}
