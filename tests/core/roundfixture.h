#pragma once

#include "competition/championshipround.h"
#include "competition/roundservices.h"
#include "data/datafiles.h"
#include "data/passwordasker.h"
#include "game/dicegame.h"
#include "game/gameview.h"

#include "tests/support/gamesupport.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace roundtest
{

// Answers the password dialog from a script (yes when the script is empty) and records every
// prompt with the password expected.
class ScriptedPasswords : public PasswordAsker
{
public:
    bool AskPassword(const std::string &prompt, const Str17 &expected) override
    {
        asked.push_back({prompt, expected.text()});
        if (answers.empty())
            return true;
        const bool right = answers.front();
        answers.pop_front();
        return right;
    }
    std::deque<bool> answers;
    std::vector<std::pair<std::string, std::string>> asked;
};

// The game window for shown games: instead of sixteen turns each game ends with the totals the
// test scripted for its seats, or is quit the way the window's close button quits it. A
// computer-only game never gets here; one with nothing scripted fails the test.
class ScriptedGameView : public GameView
{
public:
    void refresh() override {}
    void playSound(int) override {}
    void waitMs(unsigned) override {}
    void gameOver() override {}
    void runUntilOver() override
    {
        captions.push_back(game->screen().caption);
        seated.push_back(game->players);
        if (games.empty()) {
            ADD_FAILURE() << "a game was shown with nothing scripted";
            boxes->answer(true);
            game->requestClose();
            return;
        }
        const std::vector<int32_t> totals = games.front();
        games.pop_front();
        if (totals.empty()) {
            boxes->answer(true);
            game->requestClose();
            return;
        }
        for (int seat = 1; seat <= game->playerCount; ++seat)
            game->players[seat].sheet[kTotalCell] = totals.at(std::size_t(seat - 1));
        *running = false;
    }

    // Totals by seat; an empty list quits the game.
    std::deque<std::vector<int32_t>> games;
    std::vector<std::string> captions;
    std::vector<GamePlayers> seated;

    DiceGame *game = nullptr;
    ScriptedBoxes *boxes = nullptr;
    bool *running = nullptr;
};

// A computer-only game never opens the window.
class NoView : public GameView
{
public:
    void refresh() override {}
    void playSound(int) override {}
    void waitMs(unsigned) override {}
    void runUntilOver() override { ADD_FAILURE() << "a computer-only game opened the window"; }
    void gameOver() override {}
};

// Shared data loaded from fresh files in a temporary folder, a club, and the game behind a
// scripted window.
class RoundTest : public ::testing::Test
{
protected:
    RoundTest()
    {
        loadAllFiles(files);
        boxes.shown.clear();
        view.game = &game;
        view.boxes = &boxes;
        view.running = &data->gameRunning;
    }

    void addClubMember(const char *name, const char *password)
    {
        data->ClubCount += 1;
        data->ClubNames[data->ClubCount] = Str17::fromText(name);
        data->ClubPasswords[data->ClubCount] = Str17::fromText(password);
        data->Rating[30 + data->ClubCount].Name = Str17::fromText(name);
        SortRating(*data);
    }

    // Participants 1..humans are club members 1..humans, the rest computers by table order.
    TSaveSlot &makeSlot(int number, bool cham, int participants, int humans)
    {
        TSaveSlot &slot = data->Slots[number];
        slot = TSaveSlot{};
        slot.IsCham = cham ? 1 : 0;
        slot.Title = Str21::fromText(cham ? "Чемпионат мира" : "Кубок");
        for (int p = 1; p <= participants; ++p)
            slot.Names[p] =
                p <= humans ? data->ClubNames[p] : Str17::fromText(ComputerNames[p - humans]);
        if (cham) {
            slot.Cham.RoundsTotal = 10;
            slot.Cham.Difficulty = 4;
            slot.Cham.ParticipantCount = uint8_t(participants);
            slot.Cham.HumanCount = uint8_t(humans);
            slot.Cham.ClubTogether = 1;
            data->CurChamSlot = uint8_t(number);
        } else {
            slot.Tur.RoundsTotal = 10;
            slot.Tur.Difficulty = 4;
            slot.Tur.ParticipantCount = uint8_t(participants);
            slot.Tur.HumanCount = uint8_t(humans);
            data->CurTurSlot = uint8_t(number);
        }
        files.SaveSlots();
        return slot;
    }

    std::vector<std::vector<uint8_t>> allFiles() const
    {
        std::vector<std::vector<uint8_t>> bytes;
        for (const char *file : {kClubFile, kRatingFile, kRecordsFile, kSlotsFile})
            bytes.push_back(folder.read(file));
        return bytes;
    }

    // The slots as the save file holds them now.
    std::unique_ptr<SharedData> reloadedSlots()
    {
        auto loaded = std::make_unique<SharedData>();
        ScriptedBoxes quiet;
        DataFiles reader(*loaded, quiet, folder.path());
        reader.LoadSlots();
        EXPECT_TRUE(quiet.shown.empty());
        return loaded;
    }

    TempFolder folder;
    ScriptedBoxes boxes;
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    DataFiles files{*data, boxes, folder.path()};
    SeededRandom random{7};
    FixedClock clock;
    ScriptedPasswords passwords;
    ScriptedGameView view;
    DiceGame game{{*data, files, random, boxes, clock}, view};
    RoundServices services{*data, files, random, boxes, passwords, game};
};

} // namespace roundtest
