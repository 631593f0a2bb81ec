#include "tests/ui/programfixture.h"

#include "app/ratingsheet.h"
#include "app/recordsheet.h"
#include "app/tpracticeform.h"
#include "coach/coachtable.h"
#include "competition/tchamform.h"
#include "data/clubbook.h"
#include "game/tgameform.h"
#include "tests/support/solvedtable.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
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

TEST_F(ProgramTest, EveryEndOfAPracticeLeavesTheNextTournamentRoundAsUsual)
{
    start();
    ClubBook club(*data, *files, random, boxes);
    ASSERT_TRUE(club.AddMember(Str17::fromText("Аня"), Str17::fromText("пароль")));
    passwords["Аня"] = "пароль";
    newCompetition(Qt::Key_F2, {"Аня"}, 3, 6, 10, "После тренировки", 1);
    ASSERT_EQ(data->CurTurSlot, 1);

    // Practice at difficulty 2 for Anya against one computer, ended by end().
    TGameForm &gameForm = windows->gameForm();
    const auto practise = [&](const char *button, const std::function<void()> &end,
                              bool stopTheCoach = false) {
        whenModal("PracticeForm", [button](QWidget *dialog) {
            dialog->findChild<QComboBox *>("NameCombo")->setEditText("Аня");
            dialog->findChild<QSpinBox *>("OpponentsEdit")->setValue(1);
            dialog->findChild<QSpinBox *>("DifficultyEdit")->setValue(2);
            dialog->findChild<QSpinBox *>("PaceEdit")->setValue(0);
            dialog->findChild<QAbstractButton *>(button)->click();
        });
        if (stopTheCoach)
            whenModal("CoachProgress",
                      [](QWidget *progress) { QTest::keyClick(progress, Qt::Key_Escape); });
        QTimer ender;
        QObject::connect(&ender, &QTimer::timeout, [&] {
            if (gameForm.isVisible() && data->gameRunning) {
                ender.stop();
                end();
            }
        });
        if (end)
            ender.start(0);
        pressKey(Qt::Key_F12);
        EXPECT_FALSE(data->gameRunning);
        EXPECT_EQ(gameForm.game().setup().difficulty, 2);
    };
    const std::function<void()> ways[] = {
        // The coach's computation stopped: the game is played unadvised to its end.
        [&] {
            practise("OkButton", {}, true);
            EXPECT_TRUE(boxes.shown.empty());
            // The round's judge finds the coach's table ready from now on.
            ASSERT_TRUE(SolvedTable().save(folder.file(CoachTable::kCacheFile)));
        },
        // Finished by the player and reviewed.
        [&] {
            practise("OkButton", {});
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].text.rfind("Ваш итог: ", 0), 0u);
        },
        // Closed early, without a question.
        [&] { practise("OkButton", [&] { gameForm.close(); }); },
        // Handed to the coach's demonstration, which plays it to its end.
        [&] {
            practise("ShowButton", {});
            const ScoreSheet &sheet = gameForm.game().players()[1].sheet;
            EXPECT_EQ(std::count(sheet.begin(), sheet.begin() + 16, 0), 0);
        },
    };
    for (int round = 1; round <= 4; ++round) {
        SCOPED_TRACE(round);
        boxes.shown.clear();
        const TRatingEntry before = data->Rating[31];
        ways[round - 1]();
        EXPECT_EQ(data->Rating[31].Games, before.Games);

        boxes.shown.clear();
        press("TurContinueButton");
        EXPECT_EQ(data->Slots[1].Tur.RoundsPlayed, round);
        const PlayedGame game = lastGame();
        EXPECT_EQ(game.difficulty, 6);
        EXPECT_EQ(gameForm.windowTitle(),
                  QString("ВЕРТОКС для Windows - Турнир(%1 тур)").arg(round));
        ASSERT_EQ(game.seats.size(), 3u);
        EXPECT_EQ(game.seats[0].name.text(), "Аня");
        EXPECT_EQ(data->Rating[31].Games, before.Games + 1);
        EXPECT_EQ(data->Verdicts[1].Name.text(), "Аня");
        EXPECT_EQ(data->Verdicts[1].Count, round);
    }
}
