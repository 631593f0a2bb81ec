#include "data/datafiles.h"

#include "tests/support/loadmessages.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{

// Permissions do not stop root, so the loading runs in a child process as an ordinary user.
// Returns the child's answer: true when check() held there.
bool asOrdinaryUser(const std::function<bool()> &check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class UnreadableFileTest : public ::testing::Test
{
protected:
    // A first start writes every file; the rating then gets a game and becomes unreadable.
    UnreadableFileTest()
    {
        SharedData data;
        DataFiles files(data, boxes, folder.path());
        files.LoadAll();
        data.Rating[5].Games = 7;
        files.SaveRating();
        history = folder.read(kRatingFile);
        fs::permissions(folder.file(kRatingFile), fs::perms::none);
    }

    // Loads the rating as an ordinary user; true when exactly the expected box was shown.
    bool loadShows(const std::string &expected)
    {
        return asOrdinaryUser([&] {
            ScriptedBoxes shown;
            SharedData data;
            DataFiles files(data, shown, folder.path());
            files.LoadRating();
            files.SaveRating();
            return !shown.shown.empty() && shown.shown.front().text == expected;
        });
    }

    TempFolder folder;
    ScriptedBoxes boxes;
    std::vector<uint8_t> history;
};

} // namespace

TEST_F(UnreadableFileTest, IsSetAsideBeforeTheReset)
{
    fs::permissions(folder.path(), fs::perms::all);
    EXPECT_TRUE(loadShows(loadmessages::kNoRating));
    fs::permissions(folder.file("vertoxwn.ray.bad"), fs::perms::owner_read);
    EXPECT_EQ(folder.read("vertoxwn.ray.bad"), history);
    EXPECT_EQ(folder.read(kRatingFile).size(), 41u * 248);
    EXPECT_NE(folder.read(kRatingFile), history);
}

TEST_F(UnreadableFileTest, IsNeverWrittenOverWhenItCannotBeSetAside)
{
    fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read |
                                       fs::perms::others_exec);
    EXPECT_TRUE(loadShows(std::string(loadmessages::kNoRating) +
                          "\r\nФайл vertoxwn.ray не удается прочитать, он останется нетронутым."));
    fs::permissions(folder.file(kRatingFile), fs::perms::owner_read);
    EXPECT_EQ(folder.read(kRatingFile), history);
    EXPECT_FALSE(fs::exists(folder.file("vertoxwn.ray.bad")));
}
