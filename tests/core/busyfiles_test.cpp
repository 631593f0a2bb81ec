// Windows refuses to replace a file that another program (an antivirus scanner, the search
// indexer, a sync client) holds open; a write waits a moment for it, then reports it.
#include "data/datafiles.h"

#include "tests/support/heldfile.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace
{

using namespace std::chrono;

TEST(BusyFiles, AWriteWaitsForAProgramThatHoldsTheFileAndReportsOneThatKeepsIt)
{
    TempFolder folder;
    SharedData data;
    ScriptedBoxes boxes;
    DataFiles files(data, boxes, folder.path());
    ASSERT_TRUE(files.SaveRating());

    data.Rating[1].Games = 1;
    {
        HeldFile scanner(folder.file(kRatingFile));
        ASSERT_TRUE(scanner.held());
        const auto start = steady_clock::now();
        std::thread letGo([&scanner] {
            std::this_thread::sleep_for(milliseconds(300));
            scanner.release();
        });
        EXPECT_TRUE(files.SaveRating());
        EXPECT_GE(steady_clock::now() - start, milliseconds(300)) << "written only once let go";
        letGo.join();
    }
    EXPECT_TRUE(boxes.shown.empty());
    const auto written = folder.read(kRatingFile);

    data.Rating[1].Games = 2;
    {
        HeldFile backup(folder.file(kRatingFile));
        ASSERT_TRUE(backup.held());
        EXPECT_FALSE(files.SaveRating());
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, WriteFailedText(kRatingFile));
    EXPECT_EQ(folder.read(kRatingFile), written) << "the old file is intact";
    EXPECT_FALSE(std::filesystem::exists(folder.file("vertoxwn.ray.tmp")));
}

} // namespace
