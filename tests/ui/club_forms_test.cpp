#include "data/cp1251.h"
#include "data/cp1251validator.h"
#include "data/taddplayerform.h"
#include "data/tclubform.h"
#include "data/tpasswordform.h"

#include "tests/support/clubfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using ::testing::Return;

namespace
{

// Runs body inside the dialog's next modal loop and closes the dialog if body left it open.
void inModal(QDialog &dialog, std::function<void()> body)
{
    QTimer::singleShot(0, &dialog, [&dialog, body] {
        body();
        if (dialog.isVisible())
            dialog.reject();
    });
}

template <typename T> T *child(QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Types each character as a key press carrying its text, as a Russian keyboard sends it;
// QTest::keyClicks takes Latin-1 only.
void typeText(QWidget *widget, const QString &characters)
{
    for (const QChar ch : characters)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch),
                            Qt::NoModifier);
}

class MockPasswords : public PasswordAsker
{
public:
    MOCK_METHOD(bool, AskPassword, (const std::string &prompt, const Str17 &expected), (override));
};

} // namespace

TEST(ClubPasswordForm, AnswersOnlyTheExactPasswordAndReportsOnlyAWrongOne)
{
    ScriptedBoxes boxes;
    TPasswordForm form(boxes);
    auto *edit = child<QLineEdit>(form, "ParEdit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit->maxLength(), 16);
    EXPECT_EQ(edit->accessibleName(), text("Введите пароль"));
    EXPECT_EQ(child<QLabel>(form, "ParLabel")->buddy(), edit);

    // Capitals arrive in lower case, and Enter presses Ok.
    inModal(form, [&] {
        EXPECT_EQ(form.windowTitle(), text("Удаление игрока Аня"));
        EXPECT_EQ(form.focusWidget(), edit);
        typeText(edit, text("АБВЁ"));
        EXPECT_EQ(edit->text(), text("абвё"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_TRUE(form.AskPassword("Удаление игрока Аня", Str17::fromText("абвё")));
    EXPECT_TRUE(boxes.shown.empty());

    inModal(form, [&] {
        EXPECT_TRUE(edit->text().isEmpty());
        QTest::keyClicks(edit, "ABC");
        EXPECT_EQ(edit->text(), "abc");
        child<QPushButton>(form, "OKBut")->click();
    });
    EXPECT_FALSE(form.AskPassword("Пароль для Бориса", Str17::fromText("abcd")));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, MessageBoxes::Kind::Information);
    EXPECT_EQ(boxes.shown[0].text, "Неправильный пароль!");

    // Cancelling, by the button or by Escape, answers no and says nothing, even when the
    // right password was typed.
    inModal(form, [&] {
        typeText(edit, "abc");
        child<QPushButton>(form, "CancelBut")->click();
    });
    EXPECT_FALSE(form.AskPassword("Пароль", Str17::fromText("abc")));
    inModal(form, [&] {
        typeText(edit, "abc");
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    EXPECT_FALSE(form.AskPassword("Пароль", Str17::fromText("abc")));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(ClubStorableTextValidator, LowerCasesWithinThePageAndRefusesTheRest)
{
    const Cp1251Validator lower(16, Cp1251Validator::Case::Lower);
    const Cp1251Validator asTyped(3, Cp1251Validator::Case::AsTyped);
    for (int b = 1; b < 256; ++b) {
        const QString original = QString::fromStdString(cp1251::toUtf8(std::string(1, char(b))));
        QString typed = original;
        int pos = 1;
        ASSERT_EQ(lower.validate(typed, pos), QValidator::Acceptable) << b;
        EXPECT_EQ(typed.size(), 1) << b;
        EXPECT_TRUE(cp1251::encodable(typed.toStdString())) << b;
        EXPECT_EQ(typed, original.toLower()) << b;
        typed = original;
        EXPECT_EQ(asTyped.validate(typed, pos), QValidator::Acceptable) << b;
        EXPECT_EQ(typed, original) << b;
    }
    QString input = text("Аня");
    int pos = 0;
    EXPECT_EQ(asTyped.validate(input, pos), QValidator::Acceptable);
    input = text("Аня!");
    EXPECT_EQ(asTyped.validate(input, pos), QValidator::Invalid);
    for (const char *foreign : {"✓", "中", "ü", "Я✓"}) {
        input = text(foreign);
        EXPECT_EQ(lower.validate(input, pos), QValidator::Invalid) << foreign;
    }
}

class ClubAddPlayerFormTest : public ::testing::Test
{
protected:
    ClubAddPlayerFormTest()
    {
        data.ClubNames[1] = Str17::fromText("Аня");
        data.ClubCount = 1;
        form.show();
    }
    void type(const QString &name, const QString &password, const QString &again)
    {
        for (QLineEdit *edit : {nameEdit, paroleEdit, paroleTooEdit})
            edit->clear();
        typeText(nameEdit, name);
        typeText(paroleEdit, password);
        typeText(paroleTooEdit, again);
    }

    SharedData data;
    TAddPlayerForm form{data};
    QLineEdit *nameEdit = child<QLineEdit>(form, "NameEdit");
    QLineEdit *paroleEdit = child<QLineEdit>(form, "ParoleEdit");
    QLineEdit *paroleTooEdit = child<QLineEdit>(form, "ParoleTooEdit");
    QPushButton *okButton = child<QPushButton>(form, "OKButton");
    QPushButton *cancelButton = child<QPushButton>(form, "CancelButton");
    QLabel *hint = child<QLabel>(form, "NameHint");
};

TEST_F(ClubAddPlayerFormTest, OkOnlyForANewNameAndTwoEqualPasswords)
{
    const QString member = text("Игрок с таким именем уже есть в клубе.");
    const QString computer = text("Так зовут компьютерного игрока.");
    struct Row {
        const char *name, *password, *again;
        bool ok;
        QString hint;
    };
    const Row rows[] = {
        {"", "", "", false, {}},
        {"Вера", "", "", false, {}},
        {"Вера", "абв", "", false, {}},
        {"Вера", "", "абв", false, {}},
        {"", "абв", "абв", false, {}},
        {"Вера", "абв", "абв", true, {}},
        {"Вера", "абв", "абг", false, {}},
        {"Вера", "абв", "абвг", false, {}},
        {"Вера", "АБВ", "абв", true, {}}, // both arrive in lower case
        {"   ", "a", "a", true, {}},
        {"аня", "a", "a", true, {}},
        {"Аня", "a", "a", false, member},
        {"Аня ", "a", "a", true, {}},
        {"Россия", "a", "a", false, computer},
        {"Новая Зеландия", "a", "a", false, computer},
        {"Вера", "a", "a", true, {}},
    };
    for (const Row &row : rows) {
        type(text(row.name), text(row.password), text(row.again));
        EXPECT_EQ(okButton->isEnabled(), row.ok) << row.name << '/' << row.password;
        EXPECT_EQ(hint->text(), row.hint) << row.name;
        EXPECT_EQ(nameEdit->accessibleDescription(), row.hint) << row.name;
    }
    // Changing any one field re-evaluates the button.
    paroleTooEdit->backspace();
    EXPECT_FALSE(okButton->isEnabled());
    typeText(paroleTooEdit, "A");
    EXPECT_TRUE(okButton->isEnabled());
    typeText(paroleEdit, "b");
    EXPECT_FALSE(okButton->isEnabled());
}

TEST_F(ClubAddPlayerFormTest, FieldsTakeOnlyStorableTextUpToSixteenCharacters)
{
    type(text("Аня✓ 中Б"), text("ABCабвЁ✓"), text("ABCАБВЁ"));
    EXPECT_EQ(nameEdit->text(), text("Аня Б"));
    EXPECT_EQ(paroleEdit->text(), text("abcабвё"));
    EXPECT_EQ(paroleTooEdit->text(), text("abcабвё"));
    EXPECT_EQ(form.name(), Str17::fromText("Аня Б"));
    EXPECT_EQ(form.password(), Str17::fromText("abcабвё"));
    type(text("Абвгдежзийклмнопр"), text("12345678901234567"), {});
    EXPECT_EQ(nameEdit->text(), text("Абвгдежзийклмноп"));
    EXPECT_EQ(paroleEdit->text(), "1234567890123456");
    for (QLineEdit *edit : {paroleEdit, paroleTooEdit})
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
}

TEST_F(ClubAddPlayerFormTest, EveryOpeningStartsEmptyAndTellsHowItEnded)
{
    form.hide();
    inModal(form, [&] {
        EXPECT_EQ(form.windowTitle(), text("Новый игрок"));
        EXPECT_EQ(form.focusWidget(), nameEdit);
        EXPECT_FALSE(okButton->isEnabled());
        type(text("Вера"), "x", "x");
        QTest::keyClick(paroleTooEdit, Qt::Key_Return);
    });
    form.exec();
    EXPECT_TRUE(form.confirmed());
    EXPECT_EQ(form.name(), Str17::fromText("Вера"));
    EXPECT_EQ(form.password(), Str17::fromText("x"));

    inModal(form, [&] {
        for (QLineEdit *edit : {nameEdit, paroleEdit, paroleTooEdit})
            EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_FALSE(okButton->isEnabled());
        type(text("Вера"), "x", "x");
        cancelButton->click();
    });
    form.exec();
    EXPECT_FALSE(form.confirmed());

    inModal(form, [&] {
        type(text("Вера"), "x", "x");
        QTest::keyClick(nameEdit, Qt::Key_Escape);
    });
    form.exec();
    EXPECT_FALSE(form.confirmed());

    const std::pair<const char *, const char *> fields[] = {{"NameEdit", "Имя игрока :"},
                                                            {"ParoleEdit", "Пароль :"},
                                                            {"ParoleTooEdit", "Пароль еще раз :"}};
    for (const auto &[name, caption] : fields) {
        auto *edit = child<QLineEdit>(form, name);
        EXPECT_EQ(edit->accessibleName(), text(caption));
        bool buddied = false;
        for (QLabel *label : form.findChildren<QLabel *>())
            buddied = buddied || (label->buddy() == edit && label->text() == text(caption));
        EXPECT_TRUE(buddied) << name;
    }
    EXPECT_EQ(okButton->text(), "Ok");
    EXPECT_EQ(okButton->accessibleName(), "Ok");
    EXPECT_EQ(cancelButton->accessibleName(), text("Отменить"));
}

class ClubFormTest : public ::testing::Test, public ClubFixture
{
protected:
    void open()
    {
        form = std::make_unique<TClubForm>(club, addForm, passwords);
        list = child<QListWidget>(*form, "ClubList");
        addButton = child<QPushButton>(*form, "AddButton");
        removeButton = child<QPushButton>(*form, "RemoveButton");
        form->show();
    }
    QStringList lines() const
    {
        QStringList result;
        for (int row = 0; row < list->count(); ++row)
            result << list->item(row)->text();
        return result;
    }
    QStringList names() const
    {
        QStringList result;
        for (int k = 1; k <= data->ClubCount; ++k)
            result << QString::fromStdString(data->ClubNames[k].text());
        return result;
    }
    // Presses Add and fills the dialog; Ok or cancel as told.
    void addThroughDialog(const char *name, const char *password, bool ok)
    {
        inModal(addForm, [=, this] {
            typeText(child<QLineEdit>(addForm, "NameEdit"), text(name));
            typeText(child<QLineEdit>(addForm, "ParoleEdit"), text(password));
            typeText(child<QLineEdit>(addForm, "ParoleTooEdit"), text(password));
            child<QPushButton>(addForm, ok ? "OKButton" : "CancelButton")->click();
        });
        addButton->click();
    }

    TAddPlayerForm addForm{*data};
    ::testing::StrictMock<MockPasswords> passwords;
    std::unique_ptr<TClubForm> form;
    QListWidget *list = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *removeButton = nullptr;
};

TEST_F(ClubFormTest, TenMembersDisableAddUntilOneIsRemoved)
{
    for (int k = 1; k <= 10; ++k)
        join("Игрок " + std::to_string(k), "п" + std::to_string(k), k);
    open();
    EXPECT_EQ(form->windowTitle(), text("Клуб игроков"));
    EXPECT_EQ(lines(), names());
    EXPECT_EQ(form->focusWidget(), list);
    EXPECT_FALSE(addButton->isEnabled());
    EXPECT_FALSE(removeButton->isEnabled());

    // The arrow keys choose a line exactly as a click does.
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_TRUE(removeButton->isEnabled());
    EXPECT_CALL(passwords, AskPassword("Удаление игрока Игрок 2", Str17::fromText("п2")))
        .WillOnce(Return(true));
    removeButton->click();
    EXPECT_EQ(data->ClubCount, 9);
    EXPECT_EQ(lines(), names());
    EXPECT_EQ(lines().at(1), text("Игрок 3"));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(removeButton->isEnabled());
    EXPECT_TRUE(addButton->isEnabled());

    addThroughDialog("Десятый", "abc", true);
    EXPECT_EQ(data->ClubCount, 10);
    EXPECT_EQ(lines(), names());
    EXPECT_EQ(data->ClubPasswords[10].text(), "abc");
    EXPECT_FALSE(addButton->isEnabled());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ClubFormTest, RemovingTheFirstOfThreeKeepsListClubAndRatingInStep)
{
    join("Аня", "секрет", 100);
    join("Борис", "пароль", 200);
    join("Вера", "тайна", 300);
    const TRatingEntry boris = data->Rating[32];
    open();
    EXPECT_TRUE(addButton->isEnabled());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(removeButton->isEnabled());

    // A refused password changes nothing; the line stays chosen for another try.
    EXPECT_CALL(passwords, AskPassword("Удаление игрока Аня", Str17::fromText("секрет")))
        .WillOnce(Return(false))
        .WillOnce(Return(true));
    const auto file = clubFile();
    removeButton->click();
    EXPECT_EQ(data->ClubCount, 3);
    EXPECT_EQ(lines(), names());
    EXPECT_EQ(clubFile(), file);
    EXPECT_TRUE(removeButton->isEnabled());

    removeButton->click();
    EXPECT_EQ(lines(), QStringList({text("Борис"), text("Вера")}));
    EXPECT_EQ(lines(), names());
    EXPECT_EQ(std::memcmp(&data->Rating[31], &boris, sizeof boris), 0);
    EXPECT_TRUE(data->Rating[33].Name.empty());
    EXPECT_FALSE(removeButton->isEnabled());

    // A new opening starts with nothing chosen.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(removeButton->isEnabled());
    form->hide();
    form->show();
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(removeButton->isEnabled());
}

TEST_F(ClubFormTest, AddingThroughTheDialogAppendsAndCancellingDoesNothing)
{
    join("Аня", "секрет", 100);
    open();
    addThroughDialog("Гоша", "Пароль", false);
    EXPECT_EQ(data->ClubCount, 1);
    EXPECT_EQ(lines(), names());

    addThroughDialog("Гоша", "Пароль", true);
    EXPECT_EQ(lines(), QStringList({text("Аня"), text("Гоша")}));
    EXPECT_EQ(lines(), names());
    EXPECT_EQ(data->ClubPasswords[2].text(), "пароль");
    EXPECT_EQ(reloaded()->ClubPasswords[2].text(), "пароль");
    EXPECT_EQ(data->Rating[32].Name.text(), "Гоша");
}

TEST_F(ClubFormTest, AFailedWriteLeavesTheListAsItWas)
{
    join("Аня", "секрет", 100);
    open();
    std::filesystem::remove(folder.file(kClubFile));
    std::filesystem::create_directory(folder.file(kClubFile));

    addThroughDialog("Гоша", "x", true);
    list->setCurrentRow(0);
    EXPECT_CALL(passwords, AskPassword).WillOnce(Return(true));
    removeButton->click();
    EXPECT_EQ(lines(), QStringList({text("Аня")}));
    EXPECT_EQ(lines(), names());
    EXPECT_TRUE(addButton->isEnabled());
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].kind, MessageBoxes::Kind::Error);

    for (const char *button : {"AddButton", "RemoveButton", "CloseButton"}) {
        auto *b = child<QPushButton>(*form, button);
        EXPECT_EQ(b->accessibleName(), b->text());
        EXPECT_FALSE(b->accessibleName().isEmpty());
    }
    EXPECT_FALSE(list->accessibleName().isEmpty());
    EXPECT_TRUE(child<QPushButton>(*form, "CloseButton")->isDefault());
}
