#include "data/cp1251validator.h"
#include "data/taddplayerform.h"
#include "data/tclubform.h"
#include "data/tpasswordform.h"
#include "platform/cp1251.h"

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

// Types each character as a key press carrying its text, as a Russian keyboard sends it;
// QTest::keyClicks takes Latin-1 only.
void typeText(QWidget *widget, const QString &characters)
{
    for (const QChar ch : characters)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch),
                            Qt::NoModifier);
}

// Ends a dialog by a key ("Return", "Escape") or by clicking the named button.
void finish(QDialog &dialog, QWidget *focus, const char *how)
{
    if (std::string(how) == "Return" || std::string(how) == "Escape")
        QTest::keyClick(focus, std::string(how) == "Return" ? Qt::Key_Return : Qt::Key_Escape);
    else
        child<QPushButton>(dialog, how)->click();
}

// A screen reader names the field by its label's text, and the label leads to the field.
void expectLabelled(QWidget &form, QLineEdit *edit, const QString &caption)
{
    EXPECT_EQ(edit->accessibleName(), caption);
    bool buddied = false;
    for (QLabel *label : form.findChildren<QLabel *>())
        buddied = buddied || (label->buddy() == edit && label->text() == caption);
    EXPECT_TRUE(buddied) << caption.toStdString();
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
    expectLabelled(form, edit, "Введите пароль");
    struct Row {
        const char *typed, *shown, *expected, *how;
        bool answer, told;
    };
    // Capitals arrive in lower case; cancelling says no and nothing else, even when right.
    const Row rows[] = {{"АБВЁ", "абвё", "абвё", "Return", true, false},
                        {"ABC", "abc", "abcd", "OKBut", false, true},
                        {"abc", "abc", "abc", "CancelBut", false, false},
                        {"abc", "abc", "abc", "Escape", false, false}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.how);
        boxes.shown.clear();
        inModal(form, [&] {
            EXPECT_EQ(form.windowTitle(), "Удаление игрока Аня");
            EXPECT_EQ(form.focusWidget(), edit);
            EXPECT_TRUE(edit->text().isEmpty());
            typeText(edit, row.typed);
            EXPECT_EQ(edit->text(), row.shown);
            finish(form, edit, row.how);
        });
        EXPECT_EQ(form.AskPassword("Удаление игрока Аня", Str17::fromText(row.expected)),
                  row.answer);
        EXPECT_EQ(boxes.shown.size(), row.told ? 1u : 0u);
        for (const auto &box : boxes.shown)
            EXPECT_TRUE(box.kind == MessageBoxes::Kind::Information &&
                        box.text == "Неправильный пароль!");
    }
}

TEST(ClubStorableTextValidator, TakesEveryCharacterOfThePageLowerCasedWhenAsked)
{
    const Cp1251Validator lower(16, Cp1251Validator::Case::Lower);
    const Cp1251Validator asTyped(3, Cp1251Validator::Case::AsTyped);
    int pos = 1;
    for (int b = 1; b < 256; ++b) {
        const QString original = QString::fromStdString(cp1251::toUtf8(std::string(1, char(b))));
        QString typed = original;
        ASSERT_EQ(lower.validate(typed, pos), QValidator::Acceptable) << b;
        EXPECT_EQ(typed, original.toLower()) << b;
        EXPECT_TRUE(cp1251::encodable(typed.toStdString())) << b;
        typed = original;
        EXPECT_EQ(asTyped.validate(typed, pos), QValidator::Acceptable) << b;
        EXPECT_EQ(typed, original) << b;
    }
}

TEST(ClubAddPlayerForm, OkOnlyForANewStorableNameAndTwoEqualPasswords)
{
    SharedData data;
    // A name left behind above the club count belongs to nobody.
    data.ClubNames[1] = Str17::fromText("Аня");
    data.ClubNames[2] = Str17::fromText("Борис");
    data.ClubCount = 1;
    TAddPlayerForm form(data);
    form.show();
    QLineEdit *nameEdit = child<QLineEdit>(form, "NameEdit");
    QLineEdit *paroleEdit = child<QLineEdit>(form, "ParoleEdit");
    QLineEdit *paroleTooEdit = child<QLineEdit>(form, "ParoleTooEdit");
    QPushButton *okButton = child<QPushButton>(form, "OKButton");
    const auto type = [&](const char *name, const char *password, const char *again) {
        for (const auto &[edit, text] :
             {std::pair{nameEdit, name}, {paroleEdit, password}, {paroleTooEdit, again}}) {
            edit->clear();
            typeText(edit, text);
        }
    };
    const char *member = "Игрок с таким именем уже есть в клубе.";
    const char *computer = "Так зовут компьютерного игрока.";
    struct Row {
        const char *name, *password, *again;
        bool ok;
        const char *hint = "";
    };
    // Passwords arrive in lower case; names compare by their stored bytes.
    const Row rows[] = {{"", "", "", false},
                        {"Вера", "", "", false},
                        {"Вера", "абв", "", false},
                        {"Вера", "", "абв", false},
                        {"", "абв", "абв", false},
                        {"Вера", "абв", "абв", true},
                        {"Вера", "абв", "абг", false},
                        {"Вера", "абв", "абвг", false},
                        {"Вера", "АБВ", "абв", true},
                        {"   ", "a", "a", true},
                        {"аня", "a", "a", true},
                        {"Аня", "a", "a", false, member},
                        {"Аня ", "a", "a", true},
                        {"Россия", "a", "a", false, computer},
                        {"С.Ш.А.", "a", "a", false, computer},
                        {"Новая Зеландия", "a", "a", false, computer},
                        {"США", "a", "a", true},
                        {"Борис", "a", "a", true}};
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.name) + '/' + row.password + '/' + row.again);
        type(row.name, row.password, row.again);
        EXPECT_EQ(okButton->isEnabled(), row.ok);
        EXPECT_EQ(child<QLabel>(form, "NameHint")->text(), row.hint);
        EXPECT_EQ(nameEdit->accessibleDescription(), row.hint);
    }
    // Editing a single field re-evaluates the button.
    paroleTooEdit->backspace();
    EXPECT_FALSE(okButton->isEnabled());
    typeText(paroleTooEdit, "A");
    EXPECT_TRUE(okButton->isEnabled());

    // Only storable text, up to sixteen characters; passwords in lower case and hidden.
    type("Аня✓ 中Бü", "ABCабвЁ✓", "ABCАБВЁ");
    EXPECT_EQ(form.name(), Str17::fromText("Аня Б"));
    EXPECT_EQ(form.password(), Str17::fromText("abcабвё"));
    EXPECT_EQ(paroleTooEdit->text(), "abcабвё");
    type("Абвгдежзийклмнопр", "12345678901234567", "");
    EXPECT_EQ(nameEdit->text(), "Абвгдежзийклмноп");
    EXPECT_EQ(paroleEdit->text(), "1234567890123456");
    for (QLineEdit *edit : {paroleEdit, paroleTooEdit})
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    expectLabelled(form, nameEdit, "Имя игрока :");
    expectLabelled(form, paroleEdit, "Пароль :");
    expectLabelled(form, paroleTooEdit, "Пароль еще раз :");
    for (QPushButton *button : form.findChildren<QPushButton *>())
        EXPECT_EQ(button->accessibleName(), button->text());
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
    // The list's lines, checked against the club in memory.
    QStringList lines() const
    {
        QStringList shown, club;
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text();
        for (std::size_t k = 1; k <= data->ClubCount; ++k)
            club << QString::fromStdString(data->ClubNames[k].text());
        EXPECT_EQ(shown, club);
        return shown;
    }
    // Presses Add, fills the dialog, which starts empty every time, and ends it as told.
    void addThroughDialog(const char *name, const char *password, const char *how)
    {
        inModal(addForm, [=, this] {
            auto *nameEdit = child<QLineEdit>(addForm, "NameEdit");
            EXPECT_EQ(addForm.focusWidget(), nameEdit);
            EXPECT_FALSE(child<QPushButton>(addForm, "OKButton")->isEnabled());
            for (const char *field : {"NameEdit", "ParoleEdit", "ParoleTooEdit"}) {
                auto *edit = child<QLineEdit>(addForm, field);
                EXPECT_TRUE(edit->text().isEmpty());
                typeText(edit, edit == nameEdit ? name : password);
            }
            finish(addForm, nameEdit, how);
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
    EXPECT_EQ(lines().size(), 10);
    EXPECT_EQ(form->focusWidget(), list);
    EXPECT_FALSE(list->accessibleName().isEmpty());
    EXPECT_TRUE(child<QPushButton>(*form, "CloseButton")->isDefault());
    for (QPushButton *button : form->findChildren<QPushButton *>())
        EXPECT_EQ(button->accessibleName(), button->text());
    EXPECT_FALSE(addButton->isEnabled());
    EXPECT_FALSE(removeButton->isEnabled());

    // The arrow keys choose a line exactly as a click does.
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(removeButton->isEnabled());
    EXPECT_CALL(passwords, AskPassword("Удаление игрока Игрок 2", Str17::fromText("п2")))
        .WillOnce(Return(true));
    removeButton->click();
    EXPECT_EQ(lines().at(1), "Игрок 3");
    EXPECT_EQ(lines().size(), 9);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(removeButton->isEnabled());
    EXPECT_TRUE(addButton->isEnabled());

    addThroughDialog("Десятый", "abc", "Return");
    EXPECT_EQ(lines().size(), 10);
    EXPECT_EQ(data->ClubPasswords[10].text(), "abc");
    EXPECT_FALSE(addButton->isEnabled());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ClubFormTest, RemovingTheFirstOfThreeKeepsListClubAndRatingInStep)
{
    threeMembers();
    const TRatingEntry boris = data->Rating[32];
    open();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(removeButton->isEnabled());

    // A refused password changes nothing; the line stays chosen for another try.
    EXPECT_CALL(passwords, AskPassword("Удаление игрока Аня", Str17::fromText("секрет")))
        .WillOnce(Return(false))
        .WillOnce(Return(true));
    const auto file = clubFile();
    removeButton->click();
    EXPECT_EQ(lines().size(), 3);
    EXPECT_EQ(clubFile(), file);
    EXPECT_TRUE(removeButton->isEnabled());

    removeButton->click();
    EXPECT_EQ(lines(), QStringList({"Борис", "Вера"}));
    EXPECT_TRUE(sameEntry(data->Rating[31], boris));
    EXPECT_TRUE(data->Rating[33].Name.empty());
    EXPECT_FALSE(removeButton->isEnabled());

    // Cancelling the dialog adds nothing; Ok appends the member with a lower-case password.
    for (const char *how : {"CancelButton", "Escape"})
        addThroughDialog("Гоша", "Пароль", how);
    EXPECT_EQ(lines().size(), 2);
    addThroughDialog("Гоша", "Пароль", "OKButton");
    EXPECT_EQ(lines(), QStringList({"Борис", "Вера", "Гоша"}));
    EXPECT_EQ(reloaded()->ClubPasswords[3].text(), "пароль");
    EXPECT_EQ(data->Rating[33].Name.text(), "Гоша");

    // A new opening starts with nothing chosen.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(removeButton->isEnabled());
    form->hide();
    form->show();
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(removeButton->isEnabled());

    // A failed write leaves the list as it was.
    std::filesystem::remove(folder.file(kClubFile));
    std::filesystem::create_directory(folder.file(kClubFile));
    addThroughDialog("Дина", "x", "OKButton");
    list->setCurrentRow(0);
    EXPECT_CALL(passwords, AskPassword("Удаление игрока Борис", Str17::fromText("пароль")))
        .WillOnce(Return(true));
    removeButton->click();
    EXPECT_EQ(lines(), QStringList({"Борис", "Вера", "Гоша"}));
    EXPECT_TRUE(addButton->isEnabled());
    EXPECT_EQ(boxes.shown.size(), 2u);
}
