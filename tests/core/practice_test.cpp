#include "coach/coach.h"
#include "coach/coachdemo.h"
#include "coach/movetext.h"
#include "coach/practicehint.h"
#include "coach/practicereview.h"
#include "coach/practiceseats.h"
#include "game/dicegame.h"
#include "game/gameview.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/solvedtable.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

// Every choice as "seat|turn/throw bonus [kept] thrown: choice".
class RecordingWatcher : public MoveWatcher
{
public:
    void keepChosen(int player, int turn, const TurnMoment &moment,
                    const std::vector<uint8_t> &held) override
    {
        log.push_back(at(player, turn, moment) + "hold " + FacesText(held));
    }
    void writeChosen(int player, int turn, const TurnMoment &moment, int combination) override
    {
        log.push_back(at(player, turn, moment) + "write " + std::to_string(combination));
    }
    void takenBack(int player, int turn) override
    {
        log.push_back(std::to_string(player) + "|" + std::to_string(turn) + " taken back");
    }
    static std::string at(int player, int turn, const TurnMoment &m)
    {
        return std::to_string(player) + "|" + std::to_string(turn) + "/" +
               std::to_string(m.throwNumber) + " " + std::to_string(m.bonus) + " [" +
               FacesText(m.kept) + "] " + FacesText(m.thrown) + ": ";
    }
    std::vector<std::string> log;
};

class PracticeTest : public ::testing::Test
{
protected:
    PracticeTest() { files.LoadAll(); }

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
    const struct {
        int opponents;
        std::vector<int> draws, seated;
    } rows[] = {{3, {5, 5, 30, 5, 30, 1}, {5, 30, 1}},
                {0, {}, {}},
                {9, {1, 2, 3, 4, 5, 6, 7, 8, 8, 1, 20}, {1, 2, 3, 4, 5, 6, 7, 8, 20}}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.opponents);
        for (int k : row.draws)
            random.pushUniform(1, k);
        const GameSetup setup = PracticeGame(*data, {"Вася", row.opponents, 7, true}, random);
        EXPECT_EQ(random.remaining(), 0u);
        EXPECT_TRUE(setup.practice);
        EXPECT_EQ(setup.difficulty, 7);
        ASSERT_EQ(setup.playerCount, row.opponents + 1);
        EXPECT_EQ(setup.players[1].name.text(), "Вася");
        EXPECT_TRUE(setup.players[1].isHuman());
        for (int seat = 2; seat <= setup.playerCount; ++seat) {
            const auto &player = setup.players[std::size_t(seat)];
            const int drawn = row.seated[std::size_t(seat - 2)];
            EXPECT_EQ(player.name.text(), ComputerNames[std::size_t(drawn)]);
            EXPECT_EQ(player.level, 31 - drawn);
        }
    }
}

TEST_F(PracticeTest, WatcherIsToldEveryChoiceOfThePlayerWithItsMoment)
{
    RecordingWatcher watcher;
    GameSetup setup = PracticeGame(*data, {"Аня", 0, 5, true}, random);
    setup.watcher = &watcher;
    game.start(setup);
    auto throwWith = [&](std::vector<int> faces) {
        for (int face : faces)
            random.pushFace(face);
        game.go();
    };
    random.pushUniform(1, LargeStraight); // the bonus
    game.go();
    throwWith({2, 3, 4, 1, 1});
    game.toggleDie(1);
    game.toggleDie(3);
    throwWith({5, 6, 6});
    game.holdAll();
    game.toggleDie(5);
    throwWith({3});
    game.go(); // "Хватит"
    game.write(LargeStraight);
    EXPECT_EQ(watcher.log, std::vector<std::string>({"1|1/1 14 [] 2 3 4 1 1: hold 2 4",
                                                     "1|1/2 14 [2 4] 5 6 6: hold 5 6",
                                                     "1|1/3 14 [2 4 5 6 3] : write 14"}));
    // Between turns the coach has nothing to say.
    CoachTable none;
    Coach unready(none);
    EXPECT_EQ(PracticeHint(game, unready), "Тренер подскажет в ваш ход");

    // In turn 2 the coach's demonstration throws, keeps his dice and throws again, unheard; the
    // game is then handed back, and the player's keep, write, undo and write are heard as ever.
    watcher.log.clear();
    Coach coach(SolvedTable());
    CoachDemo demo(game, coach);
    random.pushUniform(1, Sixes); // the bonus
    game.go();
    for (int face : {6, 6, 6, 2, 3})
        random.pushFace(face);
    demo.move();
    ASSERT_EQ(coach.advise(game.moment()).at(0).keep, (std::vector<uint8_t>{6, 6, 6}));
    for (int face : {1, 5})
        random.pushFace(face);
    demo.move();
    ASSERT_EQ(game.throwCounter(), 2);
    EXPECT_TRUE(watcher.log.empty());
    throwWith({4, 2});
    game.go(); // "Хватит"
    game.write(Sixes);
    game.undo();
    EXPECT_EQ(game.players()[1].sheet[Sixes], 0);
    game.write(ThreeOfAKind);
    EXPECT_EQ(watcher.log, std::vector<std::string>(
                               {"1|2/2 6 [6 6 6] 1 5: hold ", "1|2/3 6 [6 6 6 4 2] : write 6",
                                "1|2 taken back", "1|2/3 6 [6 6 6 4 2] : write 8"}));
}

TEST_F(PracticeTest, ReviewForgetsTheWritesTakenBackAndWhatCameAfter)
{
    Coach coach(SolvedTable());
    PracticeReview review(coach);
    // Only "6:" open: a keep and a write in each of turns 15 and 16.
    TurnMoment moment{{10, 10, 10, 10, 10, 0, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 150},
                      25,
                      1,
                      {},
                      {6, 2, 6, 3, 4}};
    TurnMoment written{moment.sheet, 25, 3, {6, 6, 6, 2, 3}, {}};
    for (int turn : {15, 16}) {
        review.keepChosen(1, turn, moment, {6, 6});
        review.writeChosen(1, turn, written, Sixes);
    }
    const auto turns = [&] {
        std::string text;
        for (const ReviewedChoice &choice : review.choices())
            text += std::to_string(choice.turn) + (choice.throwNumber == 3 ? "w " : "k ");
        return text;
    };
    EXPECT_EQ(turns(), "15k 15w 16k 16w ");
    review.takenBack(1, 16);
    EXPECT_EQ(turns(), "15k 15w 16k ");
    review.takenBack(1, 15);
    EXPECT_EQ(turns(), "15k ");
}

} // namespace
