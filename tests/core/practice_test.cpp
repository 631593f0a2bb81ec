#include "competition/seats.h"
#include "data/datafiles.h"
#include "game/coach.h"
#include "game/dicegame.h"
#include "game/gameview.h"
#include "game/practicehint.h"
#include "game/practiceseats.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

namespace
{

class SilentView : public GameView
{
public:
    void refresh() override {}
    void playSound(int) override {}
    void waitMs(unsigned) override {}
    void runUntilOver() override {}
    void gameOver() override { over = true; }
    bool over = false;
};

class RecordingWatcher : public MoveWatcher
{
public:
    void keepChosen(int turn, const TurnMoment &moment, const std::vector<uint8_t> &held) override
    {
        keeps.push_back({turn, moment.throwNumber, moment.kept, moment.thrown, held});
    }
    void writeChosen(int turn, const TurnMoment &moment, int combination) override
    {
        writes.push_back(
            {turn, moment.throwNumber, moment.kept, moment.thrown, {uint8_t(combination)}});
    }
    struct Call {
        int turn, throwNumber;
        std::vector<uint8_t> kept, thrown, choice;
    };
    std::vector<Call> keeps, writes;
};

std::map<std::string, std::string> filesIn(const TempFolder &folder)
{
    std::map<std::string, std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder.path())) {
        const auto bytes = folder.read(entry.path().filename().string().c_str());
        files[entry.path().filename().string()] = std::string(bytes.begin(), bytes.end());
    }
    return files;
}

class PracticeTest : public ::testing::Test
{
protected:
    PracticeTest()
    {
        loadAllFiles(files);
        data->CurDifficulty = 3;
    }

    TempFolder folder;
    ScriptedBoxes boxes;
    ScriptedRandom random;
    FixedClock clock;
    SilentView view;
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    DataFiles files{*data, boxes, folder.path()};
    DiceGame game{{*data, files, random, boxes, clock}, view};
};

TEST_F(PracticeTest, SeatsDistinctOpponentsAtTheirRatingPlaces)
{
    // Rating order reversed, so each level differs from the entry number.
    for (int s = 1; s <= 30; ++s)
        data->RatingOrder[std::size_t(s)] = uint8_t(31 - s);
    PracticeSetup setup{"Вася", 3, 7, true};
    for (int k : {5, 5, 30, 5, 30, 1})
        random.pushUniform(1, k);
    SeatPractice(game, *data, setup, random);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_TRUE(game.practice());
    ASSERT_EQ(game.playerCount, 4);
    EXPECT_EQ(game.players[1].name.text(), "Вася");
    EXPECT_TRUE(game.players[1].isHuman());
    const int drawn[] = {5, 30, 1};
    for (int seat = 2; seat <= 4; ++seat) {
        const auto &player = game.players[std::size_t(seat)];
        EXPECT_EQ(player.name.text(), ComputerNames[std::size_t(drawn[seat - 2])]);
        EXPECT_EQ(player.level, 31 - drawn[seat - 2]);
        EXPECT_EQ(player.level, ComputerLevel(*data, player.name));
    }

    // The ends of the range: alone, and nine opponents all different.
    setup.opponents = 0;
    SeatPractice(game, *data, setup, random);
    EXPECT_EQ(game.playerCount, 1);
    setup.opponents = 9;
    for (int k : {1, 2, 3, 4, 5, 6, 7, 8, 8, 1, 20})
        random.pushUniform(1, k);
    SeatPractice(game, *data, setup, random);
    EXPECT_EQ(game.playerCount, 10);
    std::set<std::string> names;
    for (int seat = 2; seat <= 10; ++seat)
        names.insert(game.players[std::size_t(seat)].name.text());
    EXPECT_EQ(names.size(), 9u);
    EXPECT_EQ(names.count(ComputerNames[20]), 1u);
    EXPECT_EQ(random.remaining(), 0u);
}

TEST_F(PracticeTest, PracticeBooksNothingTellsTheChoicesAndClosesWithoutAQuestion)
{
    const auto before = filesIn(folder);
    const auto rating = data->Rating;
    RecordingWatcher watcher;
    game.setWatcher(&watcher);
    SeatPractice(game, *data, {"Аня", 0, 5, true}, random);
    game.start(true, "Тренировка");
    EXPECT_EQ(game.screen().caption, "ВЕРТОКС для Windows - Тренировка");
    EXPECT_TRUE(data->gameRunning);

    random.pushUniform(1, 14); // bonus on "Бол.Стрит:"
    game.go();
    TurnMoment moment = game.moment();
    EXPECT_EQ(moment.throwNumber, 0);
    EXPECT_EQ(moment.bonus, 14);
    for (int face : {2, 3, 4, 1, 1})
        random.pushFace(face);
    game.go();
    game.toggleDie(1);
    game.toggleDie(3);
    for (int face : {5, 6, 6})
        random.pushFace(face);
    game.go();
    moment = game.moment();
    EXPECT_EQ(moment.throwNumber, 2);
    EXPECT_EQ(moment.kept, std::vector<uint8_t>({2, 4}));
    EXPECT_EQ(moment.thrown, std::vector<uint8_t>({5, 6, 6}));
    game.holdAll();
    game.toggleDie(5);
    random.pushFace(3);
    game.go();
    game.go(); // "Хватит"
    game.write(14);

    ASSERT_EQ(watcher.keeps.size(), 2u);
    EXPECT_EQ(watcher.keeps[0].throwNumber, 1);
    EXPECT_EQ(watcher.keeps[0].thrown, std::vector<uint8_t>({2, 3, 4, 1, 1}));
    EXPECT_EQ(watcher.keeps[0].choice, std::vector<uint8_t>({2, 4}));
    EXPECT_EQ(watcher.keeps[1].choice, std::vector<uint8_t>({5, 6}));
    ASSERT_EQ(watcher.writes.size(), 1u);
    EXPECT_EQ(watcher.writes[0].turn, 1);
    EXPECT_EQ(watcher.writes[0].throwNumber, 3);
    EXPECT_EQ(watcher.writes[0].kept, std::vector<uint8_t>({2, 4, 5, 6, 3}));
    EXPECT_EQ(watcher.writes[0].choice, std::vector<uint8_t>({14}));
    EXPECT_EQ(game.players[1].sheet[14], 30); // 20 on the third throw, with the bonus

    // Between turns the coach has nothing to say, and closing asks nothing.
    CoachTable none;
    Coach coach(none);
    EXPECT_EQ(PracticeHint(game, coach), "Тренер подскажет в ваш ход");
    EXPECT_TRUE(game.requestClose());
    EXPECT_TRUE(boxes.asked.empty());
    EXPECT_TRUE(view.over);
    EXPECT_FALSE(data->gameRunning);
    const auto result = game.finish();
    EXPECT_TRUE(result.quit);
    EXPECT_FALSE(result.recordsChanged);
    EXPECT_EQ(filesIn(folder), before);
    EXPECT_EQ(std::memcmp(&data->Rating, &rating, sizeof rating), 0);
}

} // namespace
