#include "coach/coachloader.h"
#include "platform/plotframe.h"
#include "platform/qtpaths.h"
#include "results/tstatform.h"

#include "tests/support/ratingsupport.h"
#include "tests/support/solvedtable.h"
#include "tests/ui/programfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace
{

class StatWindowTest : public ProgramTest
{
protected:
    // Opens the window by its key; check runs while it is up and closes it by Escape.
    void lookAtStatistics(const std::function<void(TStatForm *)> &check)
    {
        bool shown = false;
        whenModal("StatForm", [&](QWidget *window) {
            shown = true;
            check(static_cast<TStatForm *>(window));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        pressKey(Qt::Key_F9);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(windows->statForm().isVisible());
    }

    static QComboBox *chooser(TStatForm *w) { return w->findChild<QComboBox *>("PlayerCombo"); }
    static PlotFrame *plot(TStatForm *w, const char *n) { return w->findChild<PlotFrame *>(n); }
    static std::string described(TStatForm *window, const char *plotName)
    {
        return plot(window, plotName)->accessibleDescription().toStdString();
    }
    static void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
};

} // namespace

TEST_F(StatWindowTest, KeysChooseThePlayerAndNothingIsWritten)
{
    start();
    // Start-up makes neither the window nor the coach's table.
    EXPECT_EQ(windows->mainForm().findChild<TStatForm *>(), nullptr);
    EXPECT_EQ(windows->coach().loaded(), nullptr);
    auto before = folder.contents();

    // A look during a game leaves the coach alone; the first look after it asks him, and the
    // player stops him: no best-play line.
    data->gameRunning = true;
    lookAtStatistics([&](TStatForm *) {});
    data->gameRunning = false;
    bool coachAsked = false;
    whenModal("CoachProgress", [&](QWidget *progress) {
        coachAsked = true;
        QTest::keyClick(progress, Qt::Key_Escape);
    });
    lookAtStatistics([&](TStatForm *window) {
        EXPECT_EQ(QApplication::focusWidget(), chooser(window));
        ASSERT_EQ(chooser(window)->count(), 30) << "the computer players, the club is empty";
        EXPECT_EQ(chooser(window)->currentText().toStdString(),
                  data->Rating[data->RatingOrder[1]].Name.text());
        EXPECT_EQ(described(window, "FormPlot"), "Игр пока нет");
        EXPECT_FALSE(plot(window, "GivenAwayPlot")->isVisible());
    });
    EXPECT_TRUE(coachAsked);
    EXPECT_EQ(windows->coach().loaded(), nullptr);
    EXPECT_EQ(folder.contents(), before);

    // Two members, the second ranked higher; the first has games the coach judged.
    ResetRatingWithMembers(*data, {"Вася", "Петя"});
    BookGameScore(data->Rating[31], 180);
    BookGameScore(data->Rating[31], 220);
    data->Rating[32].RatingPoints = 900;
    data->Verdicts[1].Name = Str17::fromText("Вася");
    data->Verdicts[1].Count = 1;
    data->Verdicts[1].Games[1].GivenAway = 7.5;
    SortRating(*data);
    // Meanwhile the coach learned the game for a practice, which cached his table.
    ASSERT_TRUE(SolvedTable().save(folder.file(kCoachCacheFile)));
    ASSERT_NE(windows->coach().load(nullptr), nullptr);
    before = folder.contents();

    TStatForm *first = &windows->statForm();
    TempFolder pictures;
    const QString pictureFile = qtPath(pictures.file("форма"));
    first->setFileChooser([&](QWidget *) { return pictureFile; });
    lookAtStatistics([&](TStatForm *window) {
        EXPECT_EQ(window, first) << "one window, made once";
        EXPECT_EQ(chooser(window)->itemText(0).toStdString(), "Петя");
        EXPECT_EQ(chooser(window)->currentText().toStdString(), "Вася") << "the first club member";
        EXPECT_EQ(described(window, "FormPlot").find("Очки последних 2 игр"), 0u);
        EXPECT_EQ(plot(window, "FormPlot")->series().front().bounds(),
                  QRectF(QPointF(1, 180), QPointF(2, 220)))
            << "the games numbered from 1";
        EXPECT_NE(described(window, "FormPlot").find("Лучшая игра по тренеру"), std::string::npos);
        EXPECT_TRUE(plot(window, "GivenAwayPlot")->isVisible());
        EXPECT_NE(described(window, "GivenAwayPlot").find("7,5"), std::string::npos);
        for (const char *name : {"FormPlot", "SpreadPlot", "GivenAwayPlot", "FiguresLabel"})
            EXPECT_FALSE(window->findChild<QWidget *>(name)->accessibleName().isEmpty()) << name;
        EXPECT_TRUE(window->findChild<QLabel *>("FiguresLabel")
                        ->text()
                        .startsWith("Игр сыграно: 2\nСредний результат: 200,0"));
        // A screen reader reads every label's text, in this window and in all the others.
        for (QWidget *widget : QApplication::allWidgets()) {
            auto *label = qobject_cast<QLabel *>(widget);
            if (!label || label->text().isEmpty())
                continue;
            QAccessibleInterface *read = QAccessible::queryAccessibleInterface(label);
            const QString heard =
                read->text(QAccessible::Name) + '\n' + read->text(QAccessible::Description);
            EXPECT_TRUE(heard.contains(QString(label->text()).remove('&')))
                << label->objectName().toStdString() << ": " << label->text().toStdString();
        }

        // The plots go to a picture through the window's save command.
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        EXPECT_GE(QImage(pictureFile + ".png").height(), 3 * plot(window, "FormPlot")->height());

        const int at = chooser(window)->currentIndex();
        key(Qt::Key_Down);
        EXPECT_EQ(chooser(window)->currentIndex(), at + 1);
        EXPECT_FALSE(plot(window, "GivenAwayPlot")->isVisible());
        EXPECT_EQ(described(window, "FormPlot"), "Игр пока нет");
        // From a plot too, Up goes back.
        key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), plot(window, "FormPlot"));
        key(Qt::Key_Up);
        EXPECT_EQ(chooser(window)->currentText().toStdString(), "Вася");
    });
    EXPECT_EQ(folder.contents(), before) << "the data files are only read";
}
