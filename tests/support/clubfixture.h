#pragma once

#include "data/clubbook.h"
#include "data/datafiles.h"
#include "data/ratingbook.h"

#include "tests/support/scriptedboxes.h"
#include "tests/support/scriptedrandom.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

// A loaded game folder with a club book on it, for the club's core and window tests.
struct ClubFixture {
    ClubFixture()
    {
        files.LoadAll();
        boxes.shown.clear();
    }

    // Adds a member with one booked game of the given score, so rating entries are told apart.
    void join(const std::string &name, const std::string &password, int score)
    {
        ASSERT_TRUE(club.AddMember(Str17::fromText(name), Str17::fromText(password)));
        BookGameScore(data->Rating[data->ClubCount + 30], score);
        ASSERT_TRUE(files.SaveRating());
    }
    void threeMembers()
    {
        join("Аня", "секрет", 100);
        join("Борис", "пароль", 200);
        join("Вера", "тайна", 300);
    }
    static bool sameEntry(const TRatingEntry &a, const TRatingEntry &b)
    {
        return std::memcmp(&a, &b, sizeof a) == 0;
    }
    std::vector<uint8_t> clubFile() const { return folder.read(kClubFile); }

    // What a fresh start would find on disk.
    std::unique_ptr<SharedData> reloaded()
    {
        auto fresh = std::make_unique<SharedData>();
        DataFiles again(*fresh, restartBoxes, folder.path());
        again.LoadClub();
        again.LoadRating();
        return fresh;
    }

    TempFolder folder;
    ScriptedBoxes boxes;
    ScriptedBoxes restartBoxes;
    SeededRandom random{7};
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    DataFiles files{*data, boxes, folder.path()};
    ClubBook club{*data, files, random, boxes};
};
