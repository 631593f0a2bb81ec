#include "app/ratingsheet.h"
#include "app/recordsheet.h"
#include "app/taboutform.h"
#include "competition/tchamform.h"
#include "platform/hintheader.h"

#include "tests/ui/mainformfixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{

class MainWindowTest : public MainFormTest
{
protected:
    void SetUp() override
    {
        start();
        boxes.shown.clear();
        showActive();
    }
    QTabWidget *pages() const { return form->findChild<QTabWidget *>("PageControl1"); }
    QString status() const
    {
        return form->findChild<QStatusBar *>("MainStatusBar")->currentMessage();
    }
    void press(Qt::Key key) { QTest::keyClick(form.get(), key); }
    // Moves the mouse over a header, x from its left edge.
    void hover(HintHeader *header, int x)
    {
        moveMouse(header->viewport(), QPoint(x, HintHeader::kHeight / 2));
    }
    // Through the window, as the platform reports a move: moving the real cursor reaches a
    // window only when the platform's own event comes back, which some never send at once.
    void moveMouse(QWidget *widget, QPoint at)
    {
        QTest::mouseMove(form->windowHandle(), widget->mapTo(form.get(), at));
    }
};

struct MenuItem {
    const char *name, *text;
    QKeySequence key;
    const char *hint;
};

} // namespace

TEST_F(MainWindowTest, WindowHasItsTitlePagesAndFixedSize)
{
    EXPECT_EQ(form->windowTitle(), "ВЕРТОКС для Windows");
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "not resizable";
    QTabWidget *tabs = pages();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "Турнир");
    EXPECT_EQ(tabs->tabText(1), "Чемпионат");
    EXPECT_EQ(tabs->tabText(2), "Рейтинг");
    EXPECT_EQ(tabs->tabText(3), "Рекорды");
    EXPECT_EQ(tabs->currentWidget()->objectName(), "TurnirSheet");
    // Every page fits: the record picture and the rating header are shown whole.
    EXPECT_GE(tabs->currentWidget()->width(), 800);
}

TEST_F(MainWindowTest, MenuItemsCarryTheirShortcutsAndHints)
{
    const MenuItem items[] = {
        {"NewTurMenuItem", "Новый турнир...", Qt::Key_F2, "Начать новый турнир"},
        {"NewChamMenuItem", "Новый чемпионат...", Qt::Key_F3, "Начать новый чемпионат"},
        {"LoadMenuItem", "Загрузить игру...", Qt::Key_F4,
         "Загрузить ренее начатый турнир или чемпионат"},
        {"ClubMenuItem", "Клуб игроков...", Qt::Key_F5, "Добавление и удаление игроков"},
        {"SoundMenuItem", "Звук", Qt::Key_F6, "Включить(отключить) звук"},
        {"ExitMenuItem", "Выход", Qt::Key_F10, "Выйти из программы"},
        {"RecordMenuItem", "Рекорды", Qt::Key_F7, "Посмотреть рекорды"},
        {"RaytingMenuItem", "Рейтинг", Qt::Key_F8, "Посмотреть рейтинг"},
        {"StatMenuItem", "Статистика...", Qt::Key_F9, "Статистика игрока"},
        {"HelpMenuItem", "Помощь...", Qt::Key_F1, "Помощь по программе"},
        {"InfoMenuItem", "Информация...", QKeySequence(), "Информация по программе"},
        {"AboutMenuItem", "Об игре...", Qt::Key_F11, "Краткая информация о программе"},
    };
    for (const MenuItem &item : items) {
        auto *action = form->findChild<QAction *>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.text);
        EXPECT_EQ(action->shortcut(), item.key) << item.name;
        // Hovering an item puts its hint into the status bar.
        action->showStatusText(form.get());
        EXPECT_EQ(status(), item.hint) << item.name;
    }
}

TEST_F(MainWindowTest, F7AndF8ShowTheRecordAndRatingPages)
{
    press(Qt::Key_F7);
    EXPECT_EQ(pages()->currentWidget()->objectName(), "RecordSheet");
    press(Qt::Key_F8);
    EXPECT_EQ(pages()->currentWidget()->objectName(), "RaytingSheet");
}

TEST_F(MainWindowTest, F6TogglesTheSoundAndItsCheckMark)
{
    auto *sound = form->findChild<QAction *>("SoundMenuItem");
    press(Qt::Key_F6);
    EXPECT_TRUE(data->SoundOn);
    EXPECT_TRUE(sound->isChecked());
    press(Qt::Key_F6);
    EXPECT_FALSE(data->SoundOn);
    EXPECT_FALSE(sound->isChecked());
}

TEST_F(MainWindowTest, F10DuringAGameLeavesTheWindowOpen)
{
    QSignalSpy closed(form.get(), &TMainForm::closed);
    data->gameRunning = true;
    press(Qt::Key_F10);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->close()) << "closing from the window manager is refused too";
    EXPECT_EQ(closed.count(), 0);

    data->gameRunning = false;
    press(Qt::Key_F10);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowTest, WindowStaysOpenWhileTheChampionshipRoundWindowIsShown)
{
    TChamForm chamForm;
    TMainForm::Companions companions;
    companions.chamForm = &chamForm;
    form->setCompanions(companions);
    chamForm.show();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    chamForm.hide();
    EXPECT_TRUE(form->close());
}

TEST_F(MainWindowTest, HelpTextsOpenByNameAndAFailureIsReported)
{
    press(Qt::Key_F1);
    form->findChild<QAction *>("InfoMenuItem")->trigger();
    EXPECT_THAT(opened, ElementsAre("how_play.txt", "readme.txt"));
    EXPECT_THAT(boxes.shown, IsEmpty());

    viewerWorks = false;
    press(Qt::Key_F1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Не удается открыть файл how_play.txt !");
}

TEST_F(MainWindowTest, WithoutADesktopProgramHelpShowsReadOnlyUntilEscape)
{
    viewerWorks = false;
    // Code page 1251 with CRLF lines, and UTF-8 as the game ships its texts.
    for (const auto &[bytes, text] :
         {std::pair<std::string, QString>{"\xC8\xE3\xF0\xE0\r\n1.", "Игра\n1."},
          {"ВЕРТОКС", "ВЕРТОКС"}}) {
        folder.write("how_play.txt", {bytes.begin(), bytes.end()});
        form->findChild<QAction *>("HelpMenuItem")->trigger();
        QPlainTextEdit *viewer = nullptr;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return viewer = qobject_cast<QPlainTextEdit *>(QApplication::activeWindow()); }));
        EXPECT_EQ(viewer->toPlainText(), text);
        EXPECT_TRUE(viewer->isReadOnly());
        QTest::keyClick(viewer, Qt::Key_Escape);
        EXPECT_FALSE(viewer->isVisible());
    }
}

TEST_F(MainWindowTest, F11ShowsTheAboutBoxUntilOk)
{
    TAboutForm about(form.get());
    TMainForm::Companions companions;
    companions.aboutForm = [&about]() -> QDialog & { return about; };
    form->setCompanions(companions);
    QString title, product, version;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<TAboutForm *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        modal = true;
        title = box->windowTitle();
        product = box->findChild<QLabel *>("ProductName")->text();
        version = box->findChild<QLabel *>("Version")->text();
        QTest::mouseClick(box->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
    });
    press(Qt::Key_F11);
    EXPECT_TRUE(modal);
    EXPECT_EQ(title, "Об игре");
    EXPECT_EQ(product, "ВЕРТОКС для Windows");
    EXPECT_EQ(version, "Версия 1.00");
    EXPECT_FALSE(about.isVisible());
}

TEST_F(MainWindowTest, HeaderShowsTheHintOfTheColumnUnderTheMouse)
{
    press(Qt::Key_F8);
    HintHeader *header = form->ratingSheet()->header();
    hover(header, 25);
    EXPECT_EQ(status(), "Место в рейтинге");
    hover(header, 50);
    EXPECT_EQ(status(), "Место в рейтинге");
    hover(header, 51);
    EXPECT_EQ(status(), "Имя");
    hover(header, 470);
    EXPECT_EQ(status(), "Рейтинговые очки");
    ASSERT_GT(header->viewport()->width(), 522);
    hover(header, 522);
    EXPECT_EQ(status(), "Рейтинговые очки") << "right of the last column it is the last";
    hover(header, 0);
    EXPECT_EQ(status(), "") << "no column at x = 0";

    // Leaving the header onto the page clears the hint.
    hover(header, 100);
    ASSERT_EQ(status(), "Имя");
    moveMouse(form->findChild<QWidget *>("RayImage"), QPoint(100, 100));
    EXPECT_EQ(status(), "");
}

TEST_F(MainWindowTest, RecordHeadersHintTheirOwnColumns)
{
    press(Qt::Key_F7);
    hover(form->recordSheet()->gameHeader(), 300);
    EXPECT_EQ(status(), "Очки, полученные в каждой комбинации");
    hover(form->recordSheet()->prizeHeader(), 300);
    EXPECT_EQ(status(), "Рекордное количество призовых очков");
    hover(form->recordSheet()->prizeHeader(), 321);
    EXPECT_EQ(status(), "Занятое место в рекордном турнире(чемпионате)");
    hover(form->recordSheet()->prizeHeader(), 799);
    EXPECT_EQ(status(), "Количество участников в рекордном турнире(чемпионате)");
}

TEST_F(MainWindowTest, CompetitionHeadersHintTheirColumns)
{
    auto *turnir = form->findChild<HintHeader *>("TurnirHeader");
    ASSERT_NE(turnir, nullptr);
    hover(turnir, 411);
    EXPECT_EQ(status(), "Разница от среднего количества очков участников турнира");
    pages()->setCurrentIndex(1);
    auto *cham = form->findChild<HintHeader *>("ChamHeader");
    ASSERT_NE(cham, nullptr);
    hover(cham, 220);
    EXPECT_EQ(status(), "Общее количество баллов");
}
