#include "tests/ui/programfixture.h"

#include "app/ratingsheet.h"
#include "app/recordsheet.h"
#include "app/tpracticeform.h"
#include "competition/tchamform.h"
#include "data/clubbook.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

TEST_F(ProgramTest, CommandsWaitWhileAGameOrARoundRuns)
{
    start();
    for (const bool gameRunning : {true, false}) {
        data->gameRunning = gameRunning;
        if (!gameRunning)
            windows->chamForm().show();
        for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F12})
            pressKey(key);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_FALSE(windows->mainForm().close());
    }
    windows->chamForm().hide();
    data->gameRunning = false;

    // Once free, each command opens its window.
    const std::pair<Qt::Key, const char *> commands[] = {{Qt::Key_F2, "TNewForm"},
                                                         {Qt::Key_F3, "TNewForm"},
                                                         {Qt::Key_F4, "TLoadForm"},
                                                         {Qt::Key_F5, "TClubForm"},
                                                         {Qt::Key_F12, "PracticeForm"}};
    for (const auto &[key, window] : commands) {
        bool opened = false;
        whenModal(window, [&opened](QWidget *dialog) {
            opened = true;
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        pressKey(key);
        EXPECT_TRUE(opened) << window;
    }
    EXPECT_TRUE(windows->mainForm().close());
}

TEST_F(ProgramTest, ComputerTournamentPlaysWithoutTheGameWindow)
{
    start();
    newCompetition(Qt::Key_F2, {}, 3, 6, 10, "Проба", 4);
    ASSERT_EQ(data->CurTurSlot, 4);
    // Read once now, a page that the rounds do not draw again would stay as it is.
    TMainForm &main = windows->mainForm();
    main.ratingSheet()->picture();
    main.recordSheet()->picture();
    auto *next = main.findChild<QPushButton *>("TurContinueButton");
    for (int round = 1; round <= 10; ++round) {
        press("TurContinueButton");
        EXPECT_EQ(data->Slots[4].Tur.RoundsPlayed, round);
    }
    // The first games fill empty record rows: both pages show what the rounds booked.
    RatingSheet rating(*data, nullptr);
    rating.DrawRatingTable();
    RecordSheet records(*data, nullptr);
    records.DrawRecordTables();
    EXPECT_EQ(main.ratingSheet()->picture(), rating.picture());
    EXPECT_EQ(main.recordSheet()->picture(), records.picture());
    EXPECT_FALSE(next->isEnabled());
    EXPECT_TRUE(windows->mainForm().findChild<QPushButton *>("TurPraiseButton")->isVisible());
    EXPECT_TRUE(boxes.shown.empty() ||
                boxes.shown.back().text == "Внесены изменения в таблицу рекордов!");
}

TEST_F(ProgramTest, ClubTogetherBoxWaitsWhileTheRoundWindowIsOpen)
{
    start();
    newCompetition(Qt::Key_F3, {}, 12, 6, 10, "Осень", 5);
    auto *together = windows->mainForm().findChild<QCheckBox *>("AllCheckBox");
    ASSERT_TRUE(together->isEnabled());
    bool duringRound = false;
    QTimer::singleShot(0, [&] {
        duringRound = windows->chamForm().isVisible();
        EXPECT_FALSE(together->isEnabled());
    });
    press("ChamContinueButton");
    EXPECT_TRUE(duringRound);
    EXPECT_EQ(data->Slots[5].Cham.RoundsPlayed, 1);
    EXPECT_TRUE(together->isEnabled());
}

TEST_F(ProgramTest, PracticeFirstOffersTheMemberWhoWasFirstInTheClubAtStartUp)
{
    // The dialog is made when first opened, yet it first offers the club of the start.
    start();
    ClubBook club(*data, *files, random, boxes);
    ASSERT_TRUE(club.AddMember(Str17::fromText("Аня"), Str17::fromText("пароль")));
    const auto *name = windows->practiceForm().findChild<QComboBox *>("NameCombo");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->currentText(), "Игрок");
}

TEST_F(ProgramTest, StartWithoutDiePicturesShowsTheErrorAndEnds)
{
    std::filesystem::remove(folder.file("vertoxwn.dat"));
    EXPECT_EQ(createWindows(), nullptr);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, MessageBoxes::Kind::Error);
    EXPECT_EQ(boxes.shown[0].text, "Не удается найти или открыть файл vertoxwn.dat !");
}
