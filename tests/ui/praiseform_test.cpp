#include "results/tpraiseform.h"

#include "tests/ui/gameformfixture.h"

#include <QAccessible>
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

const std::string kWait = "waitpriz.wav";

class PraiseFormTest : public ::testing::Test
{
protected:
    PraiseFormTest()
    {
        sounds.names[6] = kWait;
        sounds.names[7] = "goodpriz.wav";
        sounds.names[8] = "badpriz.wav";
        form.setTickInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (form.isVisible() && onPoll)
                onPoll();
        });
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

    bool soundOn = true;
    gameformtest::FakeSoundDevice device;
    SoundBoard sounds{soundOn, device};
    TPraiseForm form{sounds};
    QTimer poll;
    std::function<void()> onPoll;
};

} // namespace

TEST_F(PraiseFormTest, EachAwardCountsUpAfreshWithItsSoundAndEnterGoesOn)
{
    EXPECT_EQ(closeButton()->accessibleName(), "Дальше");
    struct Row {
        const char *name;
        int place;
        double prize;
        const char *line, *value, *sound;
    };
    const Row rows[] = {
        {"Россия", 3, 56.234, "За 3-е место Россия получает", "...+56.23", "goodpriz.wav"},
        {"Куба", 9, -3.1, "За 9-е место Куба получает", "...-3.10", "badpriz.wav"},
        {"Аня", 2, 0.0, "За 2-е место Аня получает", "...0.00", "badpriz.wav"}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        device.played.clear();
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(text("CountryLabel"), row.line);
            // Screen readers read the award line as it is shown.
            QAccessibleInterface *line =
                QAccessible::queryAccessibleInterface(label("CountryLabel"));
            EXPECT_EQ(line->text(QAccessible::Name), row.line);
            EXPECT_EQ(text("ValueLabel"), "");
            EXPECT_FALSE(label("PraiseLabel")->isVisible());
            EXPECT_TRUE(device.played.empty());
            // "Дальше" is not pressed by Enter before the count-up is over.
            QTest::keyClick(&form, Qt::Key_Return);
            EXPECT_TRUE(form.isVisible());
            pollWith([&] {
                if (!closeButton()->isEnabled())
                    return;
                poll.stop();
                EXPECT_EQ(text("ValueLabel"), row.value);
                EXPECT_TRUE(label("PraiseLabel")->isVisible());
                EXPECT_EQ(device.played,
                          (std::vector<std::string>{kWait, kWait, kWait, row.sound}));
                EXPECT_FALSE(timer()->isActive());
                EXPECT_TRUE(closeButton()->hasFocus());
                QTest::keyClick(&form, Qt::Key_Return);
            });
        });
        form.showAward(row.name, row.place, row.prize);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
}

TEST_F(PraiseFormTest, ClosingEarlyEndsTheCountWithoutAnotherSound)
{
    // Escape before the first tick: nothing is played, then or later.
    QTimer::singleShot(0, [this] { QTest::keyClick(&form, Qt::Key_Escape); });
    form.showAward("Аня", 1, 40);
    QTest::qWait(20);
    EXPECT_TRUE(device.played.empty());
    EXPECT_EQ(text("ValueLabel"), "");

    // The frame's close in the middle of the dots: one waiting sound per dot shown.
    pollWith([this] {
        if (!text("ValueLabel").isEmpty()) {
            poll.stop();
            form.close();
        }
    });
    form.showAward("Аня", 1, 40);
    QTest::qWait(20);
    const QString dots = text("ValueLabel");
    EXPECT_TRUE(dots == "." || dots == ".." || dots == "...") << dots.toStdString();
    EXPECT_EQ(device.played, std::vector<std::string>(std::size_t(dots.size()), kWait));
    EXPECT_FALSE(label("PraiseLabel")->isVisible());
    EXPECT_FALSE(timer()->isActive());
}
