#include "data/datafiles.h"
#include "results/tpraiseform.h"

#include "tests/ui/gameformfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{

using gameformtest::FakeSoundDevice;

const std::string kWait = "waitpriz.wav";
const std::string kGood = "goodpriz.wav";
const std::string kBad = "badpriz.wav";

class PraiseFormTest : public ::testing::Test
{
protected:
    PraiseFormTest()
    {
        sounds.names[6] = kWait;
        sounds.names[7] = kGood;
        sounds.names[8] = kBad;
        form.setTickInterval(0);
        connect(poll, [this] {
            if (form.isVisible() && onPoll)
                onPoll();
        });
    }

    static void connect(QTimer &timer, const std::function<void()> &fn)
    {
        QObject::connect(&timer, &QTimer::timeout, fn);
    }
    QLabel *label(const char *name) const { return form.findChild<QLabel *>(name); }
    QString text(const char *name) const { return label(name)->text(); }
    QPushButton *closeButton() const { return form.findChild<QPushButton *>("CloseButton"); }
    QTimer *timer() const { return form.findChild<QTimer *>("Timer"); }

    // Runs step on every pass of the dialog's event loop while it is shown.
    void pollWith(std::function<void()> step)
    {
        onPoll = std::move(step);
        poll.start(0);
    }
    // Runs step once "Дальше" has been enabled.
    void whenReady(const std::function<void()> &step)
    {
        pollWith([this, step] {
            if (closeButton()->isEnabled()) {
                poll.stop();
                step();
            }
        });
    }
    // Lets any timer still running fire a few times.
    static void settle()
    {
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
    }
    // The state every award starts from, checked before the first tick.
    void expectFreshAward(const char *line)
    {
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(text("CountryLabel"), QString(line));
        EXPECT_EQ(text("ValueLabel"), "");
        EXPECT_FALSE(label("PraiseLabel")->isVisible());
        EXPECT_FALSE(closeButton()->isEnabled());
        EXPECT_TRUE(device.played.empty());
    }

    bool soundOn = true;
    FakeSoundDevice device;
    SoundBoard sounds{soundOn, device};
    TPraiseForm form{sounds};
    QTimer poll;
    std::function<void()> onPoll;
};

} // namespace

TEST_F(PraiseFormTest, WindowAndAccessibleNames)
{
    EXPECT_EQ(form.windowTitle(), "Вручение призов");
    EXPECT_EQ(form.size(), QSize(412, 135));
    EXPECT_TRUE(closeButton()->isDefault());
    EXPECT_EQ(closeButton()->text(), "Дальше");
    EXPECT_EQ(closeButton()->accessibleName(), "Дальше");
    EXPECT_EQ(text("PraiseLabel"), "призовых очков.");

    QTimer::singleShot(0, [this] {
        // Screen readers read the award line as it is shown.
        QAccessibleInterface *line = QAccessible::queryAccessibleInterface(label("CountryLabel"));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text(QAccessible::Name), "За 1-е место Аня получает");
        form.reject();
    });
    form.showAward("Аня", 1, 5);
}

TEST_F(PraiseFormTest, PositivePrizeCountsUpAndEnterGoesOn)
{
    QTimer::singleShot(0, [this] {
        expectFreshAward("За 3-е место Россия получает");
        // "Дальше" is not pressed by Enter before the count-up is over.
        QTest::keyClick(&form, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        whenReady([this] {
            EXPECT_EQ(text("ValueLabel"), "...+56.23");
            EXPECT_TRUE(label("PraiseLabel")->isVisible());
            EXPECT_EQ(device.played, (std::vector<std::string>{kWait, kWait, kWait, kGood}));
            EXPECT_FALSE(timer()->isActive());
            QTest::keyClick(&form, Qt::Key_Return);
        });
    });
    form.showAward("Россия", 3, 56.234);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(PraiseFormTest, EachAwardStartsAfreshWithTheBadSoundForNoGain)
{
    struct Case {
        const char *name;
        int place;
        double prize;
        const char *line;
        const char *value;
    };
    const Case cases[] = {{"Куба", 9, -3.1, "За 9-е место Куба получает", "...-3.10"},
                          {"Аня", 2, 0.0, "За 2-е место Аня получает", "...0.00"}};
    for (const Case &c : cases) {
        device.played.clear();
        QTimer::singleShot(0, [&] {
            expectFreshAward(c.line);
            whenReady([&] {
                EXPECT_EQ(text("ValueLabel"), c.value);
                EXPECT_EQ(device.played, (std::vector<std::string>{kWait, kWait, kWait, kBad}));
                EXPECT_TRUE(closeButton()->hasFocus());
                QTest::keyClick(closeButton(), Qt::Key_Space);
            });
        });
        form.showAward(c.name, c.place, c.prize);
        EXPECT_FALSE(form.isVisible()) << c.line;
    }
}

TEST_F(PraiseFormTest, ClosingEarlyEndsTheCountWithoutAnotherSound)
{
    // Escape before the first tick: nothing is played, then or later.
    QTimer::singleShot(0, [this] { QTest::keyClick(&form, Qt::Key_Escape); });
    form.showAward("Аня", 1, 40);
    settle();
    EXPECT_TRUE(device.played.empty());
    EXPECT_EQ(text("ValueLabel"), "");
    EXPECT_FALSE(timer()->isActive());

    // The window frame's close in the middle of the dots: one waiting sound per dot shown.
    pollWith([this] {
        if (!text("ValueLabel").isEmpty()) {
            poll.stop();
            form.close();
        }
    });
    form.showAward("Аня", 1, 40);
    settle();
    const QString dots = text("ValueLabel");
    EXPECT_GE(dots.size(), 1);
    EXPECT_LE(dots.size(), 3);
    EXPECT_EQ(dots, QString(dots.size(), '.'));
    EXPECT_EQ(device.played, std::vector<std::string>(std::size_t(dots.size()), kWait));
    EXPECT_FALSE(label("PraiseLabel")->isVisible());
    EXPECT_FALSE(timer()->isActive());
}

TEST_F(PraiseFormTest, GivesATournamentsPrizesThroughTheDialog)
{
    TempFolder folder;
    ScriptedBoxes boxes;
    FixedClock clock;
    auto data = std::make_unique<SharedData>();
    DataFiles files(*data, boxes, folder.path());
    loadAllFiles(files);
    TSaveSlot &slot = data->Slots[2];
    slot.Title = Str21::fromText("Финал");
    slot.Names[1] = Str17::fromText("Куба");
    slot.Names[2] = Str17::fromText("Алжир");
    slot.Tur.TurTotal[1] = 1500;
    slot.Tur.TurTotal[2] = 2000;
    slot.Tur.RoundsPlayed = slot.Tur.RoundsTotal = 10;
    slot.Tur.Difficulty = 6;
    slot.Tur.ParticipantCount = 2;
    data->CurTurSlot = 2;

    std::vector<std::string> shown;
    pollWith([&] {
        if (closeButton()->isEnabled()) {
            shown.push_back((text("CountryLabel") + " " + text("ValueLabel")).toStdString());
            QTest::keyClick(&form, Qt::Key_Return);
        }
    });
    EXPECT_FALSE(GivePrizes(*data, files, clock, form, false));
    poll.stop();

    // 2 / 2 × 20 − 30 − 8 − 35 × 10/19 and 2 / 1 × 20 − 30 − 8 + 15 × 10/19.
    EXPECT_EQ(shown, (std::vector<std::string>{"За 2-е место Куба получает ...-36.42",
                                               "За 1-е место Алжир получает ...+9.89"}));
    EXPECT_EQ(device.played.back(), kGood);
    EXPECT_TRUE(data->Slots[2].Title.empty());
    EXPECT_EQ(data->Rating[26].PrizePoints, 10);
}
