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

#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace roundtest
{

// Answers from a script (yes once it is empty) and records every prompt with the password expected.
class ScriptedPasswords : public PasswordAsker
{
public:
    bool AskPassword(const std::string &prompt, const Str17 &expected) override
    {
        asked.push_back({prompt, expected.text()});
        const bool right = answers.empty() || answers.front();
        if (!answers.empty())
            answers.pop_front();
        return right;
    }
    std::deque<bool> answers;
    std::vector<std::pair<std::string, std::string>> asked;
};

// A shown game ends at once with the totals scripted for its seats; an empty list quits it
// through the window's close.
class ScriptedGameView : public HiddenView
{
public:
    void runUntilOver() override
    {
        captions.push_back(game->screen().caption);
        seated.push_back(game->players());
        if (games.empty()) {
            ADD_FAILURE() << "a game was shown with nothing scripted";
            games.emplace_back();
        }
        const std::vector<int32_t> totals = games.front();
        games.pop_front();
        if (totals.empty()) {
            boxes->answer(true);
            game->requestClose();
            return;
        }
        for (int seat = 1; seat <= game->playerCount(); ++seat)
            game->sheet(seat)[kTotalCell] = totals.at(std::size_t(seat - 1));
        *running = false;
    }

    std::deque<std::vector<int32_t>> games;
    std::vector<std::string> captions;
    std::vector<GamePlayers> seated;
    DiceGame *game = nullptr;
    ScriptedBoxes *boxes = nullptr;
    bool *running = nullptr;
};

// Fresh data files in a temporary folder; `services` play shown games through the scripted
// window, `unseen` computer-only games that must never open one.
class RoundTest : public ::testing::Test
{
protected:
    RoundTest()
    {
        files.LoadAll();
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

    // A current slot of ten rounds at difficulty 4: participants 1..humans are club members
    // 1..humans, the rest computers in table order.
    TSaveSlot &makeSlot(int number, bool cham, int participants, int humans)
    {
        TSaveSlot &slot = data->Slots[number];
        slot = TSaveSlot{};
        slot.IsCham = cham ? 1 : 0;
        slot.Title = Str21::fromText("Кубок мира");
        for (int p = 1; p <= participants; ++p)
            slot.Names[p] =
                p <= humans ? data->ClubNames[p] : Str17::fromText(ComputerNames[p - humans]);
        const auto fill = [&](auto &fields) {
            fields.RoundsTotal = 10;
            fields.Difficulty = 4;
            fields.ParticipantCount = uint8_t(participants);
            fields.HumanCount = uint8_t(humans);
        };
        cham ? fill(slot.Cham) : fill(slot.Tur);
        (cham ? data->CurChamSlot : data->CurTurSlot) = uint8_t(number);
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

    // Whether the save file holds slot number as memory does.
    bool slotSaved(int number) const
    {
        const std::vector<uint8_t> bytes = folder.read(kSlotsFile);
        const std::size_t at = std::size_t(number - 1) * sizeof(TSaveSlot);
        return bytes.size() >= at + sizeof(TSaveSlot) &&
               std::memcmp(bytes.data() + at, &data->Slots[number], sizeof(TSaveSlot)) == 0;
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
    HiddenView hidden;
    DiceGame computers{{*data, files, random, boxes, clock}, hidden};
    RoundServices unseen{*data, files, random, boxes, passwords, computers};
};

} // namespace roundtest
