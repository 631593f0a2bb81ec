#include "data/clubbook.h"
#include "platform/picklist.h"

#include "tests/ui/programfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace
{

// Tabs from wherever the focus is round to the list and presses key there, as a player does;
// returns the selected line, -1 for none.
int keyInList(QWidget *window, const char *name, Qt::Key key)
{
    auto *list = window->findChild<QListWidget *>(name);
    QApplication::setActiveWindow(window);
    for (int i = 0; i < 20 && (i == 0 || QApplication::focusWidget() != list); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), list) << name;
    QTest::keyClick(list, key);
    return list->selectedItems().isEmpty() ? -1 : list->row(list->selectedItems().front());
}

QAbstractButton *button(QWidget *window, const char *name)
{
    return window->findChild<QAbstractButton *>(name);
}

} // namespace

TEST_F(ProgramTest, EveryListSelectsTheLineANavigationKeyLandsOn)
{
    {
        SharedData club;
        DataFiles clubFiles(club, boxes, folder.path());
        clubFiles.LoadAll();
        ClubBook book(club, clubFiles, random, boxes);
        for (const char *name : {"Иван", "Петр", "Мария"})
            ASSERT_TRUE(book.AddMember(Str17::fromText(name), Str17::fromText("пароль")));
    }
    start();
    // Home on the line the focus already marks; End; Home again right after a removal.
    whenModal("TClubForm", [this](QWidget *club) {
        EXPECT_EQ(keyInList(club, "ClubList", Qt::Key_Home), 0);
        EXPECT_TRUE(button(club, "RemoveButton")->isEnabled());
        EXPECT_EQ(keyInList(club, "ClubList", Qt::Key_End), 2);
        whenModal("TPasswordForm", [](QWidget *password) {
            password->findChild<QLineEdit *>("ParEdit")->setText("пароль");
            QTest::keyClick(password, Qt::Key_Return);
        });
        button(club, "RemoveButton")->click();
        ASSERT_EQ(data->ClubCount, 2);
        EXPECT_EQ(keyInList(club, "ClubList", Qt::Key_Home), 0);
        EXPECT_TRUE(button(club, "RemoveButton")->isEnabled());
        QTest::keyClick(club, Qt::Key_Escape);
    });
    pressKey(Qt::Key_F5);
    // Both lists of the new competition, also right after a move; then the slot chooser.
    whenModal("TNewForm", [](QWidget *form) {
        EXPECT_EQ(keyInList(form, "CurrentListBox", Qt::Key_Home), 0);
        button(form, "ToChosen")->click();
        EXPECT_EQ(keyInList(form, "CurrentListBox", Qt::Key_PageDown), 0);
        EXPECT_EQ(keyInList(form, "ChosenListBox", Qt::Key_Up), 0);
        EXPECT_TRUE(button(form, "ToCurrent")->isEnabled() &&
                    !button(form, "ToChosen")->isEnabled());
        EXPECT_EQ(keyInList(form, "CurrentListBox", Qt::Key_Down), 0);
        EXPECT_TRUE(button(form, "ToChosen")->isEnabled() &&
                    !button(form, "ToCurrent")->isEnabled());
        form->findChild<QLineEdit *>("NameEdit")->setText("Весна");
        QTest::keyClick(form, Qt::Key_Return);
    });
    whenModal("TLoadForm", [](QWidget *chooser) {
        EXPECT_EQ(keyInList(chooser, "SlotListBox", Qt::Key_PageUp), 0);
        EXPECT_TRUE(button(chooser, "OKButton")->isEnabled());
        QTest::keyClick(chooser, Qt::Key_Escape);
    });
    pressKey(Qt::Key_F2);
}

TEST(PickListKeys, UpOnAFreshlyFocusedListSelectsTheLineTheFocusMarks)
{
    PickList list;
    list.addItems({"Иван", "Петр", "Мария"});
    list.show();
    QApplication::setActiveWindow(&list);
    list.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.hasFocus(); }));
    ASSERT_TRUE(list.selectedItems().isEmpty());
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.selectedItems(), QList<QListWidgetItem *>{list.item(0)});
}
