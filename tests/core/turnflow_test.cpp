#include "data/datafiles.h"
#include "game/dicegame.h"
#include "game/gameview.h"
#include "platform/clock.h"

#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/tempfolder.h"
#include "tests/support/unwatchedgame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using ::testing::ElementsAre;

namespace
{

class RecordingView : public GameView
{
public:
    void refresh() override {}
    void playSound(int sound) override { sounds.push_back(sound); }
    void waitMs(unsigned ms) override { waited += ms; }
    void runUntilOver() override {}
    void gameOver() override { over = true; }

    std::vector<int> sounds;
    unsigned waited = 0;
    bool over = false;
};

class TurnFlowTest : public ::testing::Test
{
protected:
    TurnFlowTest()
    {
        files.LoadAll();
        boxes.shown.clear();
        data->CurDifficulty = 6;
        data->ClubCount = 1;
        data->ClubNames[1] = Str17::fromText("Аня");
        data->Rating[31].Name = data->ClubNames[1];
    }

    // Anya alone, or Anya against Russia.
    void start(bool withComputer)
    {
        GameSetup setup;
        setup.difficulty = 6;
        setup.caption = "Турнир(1 тур)";
        setup.seat(Str17::fromText("Аня"), 0);
        if (withComputer)
            setup.seat(Str17::fromText("Россия"), 6);
        game.start(setup);
    }
    // From "Начать": the next player is Anya with the given bonus draw.
    void beginHumanTurn(int bonus)
    {
        random.pushUniform(1, bonus);
        game.go();
    }
    void throwDice(std::initializer_list<int> faces)
    {
        for (int face : faces)
            random.pushFace(face);
        game.go();
    }

    TempFolder folder;
    ScriptedBoxes boxes;
    ScriptedRandom random;
    FixedClock clock;
    RecordingView view;
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    DataFiles files{*data, boxes, folder.path()};
    DiceGame game{{*data, files, random, boxes, clock}, view};
};

} // namespace

TEST_F(TurnFlowTest, StartMarksTheMemberPlayingOnDisk)
{
    start(false);
    EXPECT_TRUE(data->gameRunning);
    const auto rating = folder.read(kRatingFile);
    EXPECT_EQ(rating[30 * 248 + 232], kInGame);
    const GameScreen &screen = game.screen();
    EXPECT_EQ(screen.caption, "ВЕРТОКС для Windows - Турнир(1 тур)");
    EXPECT_EQ(screen.goButton.caption, "Начать");
    EXPECT_TRUE(screen.goButton.enabled);
    EXPECT_FALSE(screen.elseButton.enabled);
    EXPECT_EQ(screen.difficulty, "6");
    EXPECT_EQ(screen.status, "Нажмите \"Начать\" для начала игры");
}

TEST_F(TurnFlowTest, SingleHeldDieAfterTheFirstThrowIsGivenBack)
{
    start(false);
    beginHumanTurn(20);
    EXPECT_EQ(game.screen().goButton.caption, "Ok");
    EXPECT_EQ(game.screen().compTurn, "Аня, Ваш ход!");
    EXPECT_THAT(view.sounds, ElementsAre(YourTurnSound));

    throwDice({1, 2, 3, 4, 5});
    EXPECT_EQ(game.throwCounter(), 1);
    EXPECT_EQ(view.waited, 5 * DiceGame::kDiePause);
    EXPECT_EQ(game.screen().upperRow[3], 3);
    EXPECT_EQ(game.screen().elseButton.caption, "Еще");
    EXPECT_TRUE(game.screen().allEnabled);

    game.toggleDie(2);
    EXPECT_EQ(game.screen().lowerRow[2], 2);
    EXPECT_EQ(game.screen().upperRow[2], 0);
    throwDice({6, 6, 6, 6, 6});
    EXPECT_EQ(game.keptCount(), 0);
    EXPECT_EQ(game.screen().lowerRow[1], 0);
    EXPECT_EQ(game.screen().upperRow[2], 6);
}

TEST_F(TurnFlowTest, SingleHeldDieAfterTheSecondThrowStays)
{
    start(false);
    beginHumanTurn(20);
    throwDice({1, 2, 3, 4, 5});
    throwDice({6, 5, 4, 3, 2});
    game.toggleDie(2);
    throwDice({1, 1, 1, 1});
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(game.throwCounter(), 3);
    EXPECT_EQ(game.screen().lowerRow[1], 5);
    EXPECT_EQ(game.screen().lowerRow[5], 1);
}

TEST_F(TurnFlowTest, TwoHeldDiceStayAndAllHeldGoesStraightToWriting)
{
    start(false);
    beginHumanTurn(25);
    throwDice({4, 2, 4, 4, 4});
    game.clickDieCell(DiceGame::kUpperRow, 1);
    game.toggleDie(3);
    EXPECT_EQ(game.screen().elseButton.caption, "Еще");
    throwDice({4, 4, 4});
    EXPECT_EQ(game.keptCount(), 2);
    EXPECT_EQ(game.screen().lowerRow[1], 4);
    EXPECT_EQ(game.screen().lowerRow[2], 4);

    game.holdAll();
    EXPECT_EQ(game.screen().elseButton.caption, "Хватит");
    game.go();
    EXPECT_EQ(game.throwCounter(), 2);
    EXPECT_TRUE(game.screen().writeEnabled[10]);
    EXPECT_EQ(game.screen().writePicture[10], GameScreen::WritePicture::Write);
    EXPECT_EQ(game.screen().writePicture[13], GameScreen::WritePicture::Strike);
    EXPECT_FALSE(game.screen().elseButton.enabled);
    game.write(FiveOfAKind);
    EXPECT_EQ(game.players()[1].sheet[FiveOfAKind], 60);
    EXPECT_EQ(game.screen().cells[10].text, "60");
    EXPECT_EQ(game.screen().goButton.caption, "Дальше");
    EXPECT_EQ(view.sounds.back(), WriteSound);
}

TEST_F(TurnFlowTest, AfterTheThirdThrowNothingCanBeHeld)
{
    start(false);
    beginHumanTurn(25);
    throwDice({1, 1, 2, 3, 5});
    throwDice({1, 1, 2, 3, 5});
    throwDice({6, 6, 6, 6, 6});
    EXPECT_EQ(game.throwCounter(), 3);
    EXPECT_EQ(game.keptCount(), 5);
    EXPECT_EQ(game.screen().elseButton.caption, "Хватит");
    EXPECT_FALSE(game.screen().diceClickable);
    game.toggleDie(1);
    game.clickDieCell(DiceGame::kLowerRow, 1);
    EXPECT_FALSE(game.dieHeld(1));
    EXPECT_EQ(game.screen().lowerRow[4], 6);
    game.go();
    EXPECT_EQ(game.CombCheck(10), 50);
}

TEST_F(TurnFlowTest, StrikingAsksFirstAndTheBonusTakesTen)
{
    start(false);
    beginHumanTurn(13);
    EXPECT_EQ(game.screen().cells[13].text, "БОНУС");
    EXPECT_EQ(game.screen().cells[13].colour, CellColour::White);
    throwDice({1, 1, 2, 3, 5});
    game.holdAll();
    game.go();
    boxes.answer(false);
    game.write(SmallStraight);
    EXPECT_EQ(game.players()[1].sheet[SmallStraight], 0);
    boxes.answer(true);
    game.write(SmallStraight);
    EXPECT_THAT(boxes.asked, ElementsAre("Вы хотите списать?", "Вы хотите списать?"));
    EXPECT_EQ(game.players()[1].sheet[SmallStraight], -20);
    EXPECT_EQ(game.screen().cells[13].colour, CellColour::Yellow);
    EXPECT_EQ(view.sounds.back(), DownWriteSound);
}

TEST_F(TurnFlowTest, ComputerMovesAreShownWithTheirLine)
{
    start(true);
    beginHumanTurn(25);
    throwDice({1, 2, 3, 4, 5});
    game.holdAll();
    game.go();
    game.write(SmallStraight);
    EXPECT_EQ(game.players()[1].sheet[SmallStraight], 30);
    for (int v : {25, 16, 40, 1, 1, 2}) // bonus, then the move
        random.pushUniform(1, v);
    game.go();
    EXPECT_EQ(game.currentPlayer(), 2);
    EXPECT_EQ(game.players()[2].sheet[HighSum], 30);
    EXPECT_EQ(game.screen().compTurn, "Россия получила 30 очков.");
    EXPECT_TRUE(game.screen().writeEnabled[16]);
    EXPECT_EQ(game.screen().place, "2(0)"); // equal totals: Anya stays first
    EXPECT_EQ(game.screen().goButton.caption, "Дальше");
    EXPECT_EQ(game.throwCounter(), 5);
}

TEST_F(TurnFlowTest, QuittingBooksZeroForTheMember)
{
    start(true);
    beginHumanTurn(25);
    boxes.answer(false);
    EXPECT_FALSE(game.requestClose());
    EXPECT_TRUE(data->gameRunning);
    boxes.answer(true);
    EXPECT_TRUE(game.requestClose());
    EXPECT_TRUE(view.over);
    const auto result = game.finish();
    EXPECT_TRUE(result.quit);
    EXPECT_EQ(data->Rating[31].Games, 1);
    EXPECT_EQ(data->Rating[31].Status[1], 1);
    EXPECT_EQ(data->Rating[6].Games, 0);
    EXPECT_EQ(folder.read(kRatingFile)[30 * 248 + 232], 1);
}

TEST_F(TurnFlowTest, SixteenTurnsEndTheGame)
{
    start(false);
    for (int turn = 1; turn <= kCombinations; ++turn) {
        beginHumanTurn(25);
        EXPECT_EQ(game.screen().turn, std::to_string(turn));
        throwDice({6, 6, 6, 6, 6});
        game.holdAll();
        game.go();
        boxes.answer(true);
        for (int c = 1; c <= kCombinations; ++c) {
            if (game.players()[1].sheet[c] == 0) {
                game.write(c);
                break;
            }
        }
    }
    game.go();
    EXPECT_TRUE(view.over);
    EXPECT_FALSE(data->gameRunning);
    const auto result = game.finish();
    EXPECT_FALSE(result.quit);
    // Five sixes every turn, written top down: a negative total never enters the records.
    EXPECT_EQ(game.players()[1].sheet[kTotalCell], -41);
    EXPECT_FALSE(result.recordsChanged);
    EXPECT_EQ(data->Rating[31].Games, 1);
    EXPECT_EQ(data->Rating[31].Last50[1], -41);
}
