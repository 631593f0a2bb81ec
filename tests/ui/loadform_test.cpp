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

class LoadFormTest : public ::testing::Test
{
protected:
    LoadFormTest()
    {
        // Slot 3 is crafted: no dialog makes 11 at one table.
        const std::tuple<int, bool, const char *, int> filled[] = {{1, false, "Весна", 4},
                                                                   {3, false, "Поддельный", 11},
                                                                   {4, true, "Кубок", 12},
                                                                   {10, true, "Лето", 30}};
        for (const auto &[k, cham, title, participants] : filled) {
            TSaveSlot &slot = data.Slots[std::size_t(k)];
            slot.IsCham = cham;
            slot.Title = Str21::fromText(title);
            auto fill = [n = participants](auto &f) {
                f.RoundsTotal = 10;
                f.Difficulty = 5;
                f.ParticipantCount = uint8_t(n);
            };
            cham ? fill(slot.Cham) : fill(slot.Tur);
        }
    }

    // Runs the chooser and drives it from inside its modal loop.
    int choose(TLoadForm::Mode mode, std::function<void()> drive)
    {
        QTimer::singleShot(0, &form, [this, drive] {
            EXPECT_EQ(QApplication::activeModalWidget(), &form);
            drive();
            if (form.isVisible()) {
                ADD_FAILURE() << "the chooser is still open";
                form.reject();
            }
        });
        return form.chooseSlot(mode, QStringLiteral("Выберите слот для загрузки"));
    }
    QListWidget *list() const { return form.findChild<QListWidget *>("SlotListBox"); }
    QPushButton *ok() const { return form.findChild<QPushButton *>("OKButton"); }
    // Moves to line (1-based) with the arrow keys, from wherever the list stands.
    void keyTo(int line)
    {
        while (list()->currentRow() + 1 != line)
            QTest::keyClick(list(), list()->currentRow() + 1 < line ? Qt::Key_Down : Qt::Key_Up);
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
        const QStringList lines = {
            "Весна(Турн.)", "<Пусто>", "Поддельный(Турн.)", "Кубок(Чемп.)", "<Пусто>",
            "<Пусто>",      "<Пусто>", "<Пусто>",           "<Пусто>",      "Лето(Чемп.)"};
        ASSERT_EQ(list()->count(), 10);
        for (int k = 0; k < 10; ++k)
            EXPECT_EQ(list()->item(k)->text(), lines[k]) << "line " << k + 1;
        EXPECT_TRUE(list()->selectedItems().isEmpty());
        EXPECT_FALSE(ok()->isEnabled());
        EXPECT_TRUE(ok()->isDefault());
        for (QPushButton *button : form.findChildren<QPushButton *>())
            EXPECT_EQ(button->accessibleName(), button->text());

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
    // An empty slot is taken without a question; every occupied one, the crafted one too, may
    // be overwritten once Yes is answered, and No keeps the dialog open.
    boxes.answer(false);
    boxes.answer(true);
    const auto pick = [this](std::vector<int> rows) {
        return choose(TLoadForm::Mode::Writing, [this, rows] {
            EXPECT_TRUE(list()->selectedItems().isEmpty()) << "rebuilt at opening";
            EXPECT_FALSE(ok()->isEnabled());
            for (int row : rows) {
                list()->setCurrentRow(row);
                EXPECT_TRUE(ok()->isEnabled());
                ok()->click();
            }
        });
    };
    EXPECT_EQ(pick({1}), 2);
    EXPECT_TRUE(boxes.asked.empty());
    EXPECT_EQ(pick({2, 0}), 1);
    EXPECT_EQ(boxes.asked, std::vector<std::string>(2, "Слот уже занят\r\nЗаписать на него?"));

    // Cancel, Escape and closing the window give up.
    const std::function<void()> quits[] = {
        [this] { form.findChild<QPushButton *>("CancelButton")->click(); },
        [this] { QTest::keyClick(&form, Qt::Key_Escape); }, [this] { form.close(); }};
    for (const auto &quit : quits)
        EXPECT_EQ(choose(TLoadForm::Mode::Writing,
                         [&] {
                             list()->setCurrentRow(0);
                             quit();
                         }),
                  0);
    EXPECT_EQ(boxes.asked.size(), 2u);
}
