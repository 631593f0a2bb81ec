#include "game/coach.h"
#include "game/dicegame.h"
#include "game/gameview.h"
#include "game/practicehint.h"
#include "game/practicereview.h"
#include "game/practiceseats.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/solvedtable.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

class SilentView : public GameView
{
public:
    void refresh() override {}
    void playSound(int) override {}
    void waitMs(unsigned) override {}
    void runUntilOver() override {}
    void gameOver() override {}
};

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
    PracticeTest() { loadAllFiles(files); }

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
        SeatPractice(game, *data, {"Вася", row.opponents, 7, true}, random);
        EXPECT_EQ(random.remaining(), 0u);
        EXPECT_TRUE(game.practice());
        ASSERT_EQ(game.playerCount, row.opponents + 1);
        EXPECT_EQ(game.players[1].name.text(), "Вася");
        EXPECT_TRUE(game.players[1].isHuman());
        for (int seat = 2; seat <= game.playerCount; ++seat) {
            const auto &player = game.players[std::size_t(seat)];
            const int drawn = row.seated[std::size_t(seat - 2)];
            EXPECT_EQ(player.name.text(), ComputerNames[std::size_t(drawn)]);
            EXPECT_EQ(player.level, 31 - drawn);
        }
    }
}

TEST_F(PracticeTest, WatcherIsToldEveryChoiceWithItsMoment)
{
    RecordingWatcher watcher;
    game.setWatcher(&watcher);
    SeatPractice(game, *data, {"Аня", 0, 5, true}, random);
    game.start(true, "Тренировка");
    auto throwWith = [&](std::vector<int> faces) {
        for (int face : faces)
            random.pushFace(face);
        game.go();
    };
    random.pushUniform(1, 14); // bonus on "Бол.Стрит:"
    game.go();
    throwWith({2, 3, 4, 1, 1});
    game.toggleDie(1);
    game.toggleDie(3);
    throwWith({5, 6, 6});
    game.holdAll();
    game.toggleDie(5);
    throwWith({3});
    game.go(); // "Хватит"
    game.write(14);
    EXPECT_EQ(watcher.log, std::vector<std::string>({"1|1/1 14 [] 2 3 4 1 1: hold 2 4",
                                                     "1|1/2 14 [2 4] 5 6 6: hold 5 6",
                                                     "1|1/3 14 [2 4 5 6 3] : write 14"}));
    // Between turns the coach has nothing to say.
    CoachTable none;
    Coach coach(none);
    EXPECT_EQ(PracticeHint(game, coach), "Тренер подскажет в ваш ход");
}

// What the window shows of a game and every sheet, for comparing moments.
std::string shown(const DiceGame &game)
{
    const GameScreen &screen = game.screen();
    std::string text = screen.status + "|" + screen.place + "|" + screen.goButton.caption + "|" +
                       std::to_string(game.throwCounter()) + "/" +
                       std::to_string(game.keptCount()) + "/" +
                       std::to_string(game.bonusCombination()) + "|";
    for (int c = 1; c <= kTotalCell; ++c)
        text += screen.cells[c].text + ",";
    for (int i = 1; i <= 5; ++i)
        text += std::to_string(screen.upperRow[i]) + std::to_string(screen.lowerRow[i]);
    for (int seat = 1; seat <= game.playerCount; ++seat) {
        for (int32_t cell : game.players[seat].sheet)
            text += "," + std::to_string(cell);
    }
    return text;
}

TEST_F(PracticeTest, UndoTakesWritesBackToTheFirstTurnAndNeverThrowsAnew)
{
    SeededRandom seeded(1209);
    DiceGame practice{{*data, files, seeded, boxes, clock}, view};
    Coach coach(SolvedTable());
    PracticeReview review(coach);
    practice.setWatcher(&review);
    SeatPractice(practice, *data, {"Аня", 1, 5, true}, seeded);
    practice.start(true, "Тренировка");
    for (int i = 0; i < 8; ++i)
        boxes.answer(true);
    // Into the next writing moment of Аня's, holding the first die kept after each throw;
    // returns every die thrown on the way.
    const auto toWriting = [&] {
        std::string thrown;
        while (!(practice.humanTurn() && practice.keptCount() == 5 &&
                 !practice.screen().elseButton.enabled)) {
            practice.go();
            if (practice.humanTurn() && practice.throwCounter() >= 1) {
                thrown += std::to_string(practice.bonusCombination()) + ":" +
                          FacesText(practice.moment().thrown) + ";";
                if (practice.throwCounter() < 3 && practice.keptCount() < 4) {
                    practice.toggleDie(5);
                    practice.toggleDie(4);
                }
            }
        }
        return thrown;
    };
    const auto bestWrite = [&] { return coach.advise(practice.moment()).at(0).combination; };

    toWriting();
    const std::string first = shown(practice);
    const std::size_t firstChoices = review.choices().size();
    practice.write(bestWrite());
    EXPECT_TRUE(practice.canUndo());
    const std::string secondThrows = toWriting();
    const std::string second = shown(practice);
    practice.write(bestWrite());
    practice.go(); // the computer's move of turn 2
    EXPECT_EQ(review.choices().size(), firstChoices + 1 + 3);

    practice.undo();
    EXPECT_EQ(shown(practice), second);
    EXPECT_EQ(review.choices().size(), firstChoices + 1 + 2) << "the write is not reviewed";
    practice.undo();
    EXPECT_EQ(shown(practice), first);
    EXPECT_EQ(review.choices().size(), firstChoices);
    EXPECT_EQ(review.choices().back().chosen.kind, CoachMove::Kind::Keep);
    EXPECT_FALSE(practice.canUndo());
    practice.undo();
    EXPECT_EQ(shown(practice), first);

    // Written elsewhere, the game goes on; turn 2 brings back the dice it had thrown.
    const auto moves = coach.advise(practice.moment());
    practice.write(moves.at(1).combination);
    EXPECT_EQ(toWriting(), secondThrows);

    // A competition game has no undo.
    practice.setPractice(false);
    practice.start(true, "Турнир(1 тур)");
    toWriting();
    practice.write(bestWrite());
    EXPECT_FALSE(practice.canUndo());
    const std::string written = shown(practice);
    practice.undo();
    EXPECT_EQ(shown(practice), written);
}

} // namespace
