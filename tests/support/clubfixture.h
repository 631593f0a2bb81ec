#pragma once

#include "data/clubbook.h"
#include "data/clubrecord.h"
#include "data/datafiles.h"
#include "data/ratingbook.h"

#include "tests/support/gamesupport.h"
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
        loadAllFiles(files);
        boxes.shown.clear();
    }

    // Adds a member and books one game with the given score, so each member's rating entry is
    // told apart by its results.
    void join(const std::string &name, const std::string &password, int score)
    {
        ASSERT_TRUE(club.AddMember(Str17::fromText(name), Str17::fromText(password)));
        BookGameScore(data->Rating[data->ClubCount + 30], score);
        ASSERT_TRUE(files.SaveRating());
    }

    std::vector<uint8_t> clubFile() const { return folder.read(kClubFile); }
    std::vector<uint8_t> ratingFile() const { return folder.read(kRatingFile); }

    static ClubRecord recordOf(const std::vector<uint8_t> &file, int k)
    {
        ClubRecord record;
        std::memcpy(&record, file.data() + (k - 1) * kClubRecordSize, kClubRecordSize);
        return record;
    }

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
