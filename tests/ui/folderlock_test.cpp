#include "platform/folderlock.h"
#include "platform/qtpaths.h"

#include "tests/support/heldfile.h"
#include "tests/support/scriptedboxes.h"
#include "tests/support/tempfolder.h"
#include "tests/ui/programfixture.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#ifndef _WIN32
#include <sys/fsuid.h>
#endif

TEST(FolderLock, OneCopyPerFolderAndCrashedCopiesNeverBlock)
{
    TempFolder folder;
    const QString path = qtPath(folder.path());
    {
        FolderLock first(path);
        ASSERT_EQ(first.acquire(), FolderLock::Claim::Taken);
        FolderLock second(path);
        EXPECT_EQ(second.acquire(), FolderLock::Claim::HeldByOther);
        TempFolder other;
        FolderLock elsewhere(qtPath(other.path()));
        EXPECT_EQ(elsewhere.acquire(), FolderLock::Claim::Taken) << "another folder is free";
    }
    FolderLock afterExit(path);
    EXPECT_EQ(afterExit.acquire(), FolderLock::Claim::Taken)
        << "the lock goes with the copy that held it";
}

TEST(FolderLock, LockOfACrashedCopyIsTakenOver)
{
    TempFolder folder;
    // The lock of a process that has ended, as a crash leaves it: this program listing its tests.
    QProcess ended;
    ended.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_list_tests")});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    // The rest as this platform's Qt writes it: Windows names the machine otherwise.
    qint64 livePid = 0;
    QString host, application;
    {
        TempFolder other;
        QLockFile held(qtPath(other.file("held.lck")));
        ASSERT_TRUE(held.tryLock(0));
        ASSERT_TRUE(held.getLockInfo(&livePid, &host, &application));
    }
    {
        std::ofstream stale(folder.file(FolderLock::kFileName), std::ios::binary);
        stale << deadPid << "\n" << application.toStdString() << "\n" << host.toStdString() << "\n";
    }
    FolderLock lock(qtPath(folder.path()));
    EXPECT_EQ(lock.acquire(), FolderLock::Claim::Taken);
}

namespace
{

// A lock file as a copy on another computer writes it into a shared or carried folder.
const std::string kOtherComputersLock = "4242\nvertox\nOFFICE-PC\n";

std::vector<uint8_t> bytesOf(const std::string &text)
{
    return {text.begin(), text.end()};
}

} // namespace

TEST(FolderLock, ALockThatNoRunningCopyHoldsIsTakenOverSilently)
{
    // Another computer's lock, and lock files left empty, cut short or binary by a damaged disk.
    for (const std::string &left : {kOtherComputersLock, std::string(), std::string("42"),
                                    std::string("\0\xff\x13\n\x80\n\n", 7)}) {
        TempFolder folder;
        folder.write(FolderLock::kFileName, bytesOf(left));
        FolderLock lock(qtPath(folder.path()));
        ScriptedBoxes boxes;
        EXPECT_TRUE(claimFolder(lock, boxes)) << testing::PrintToString(left);
        EXPECT_TRUE(boxes.shown.empty());
        FolderLock second(qtPath(folder.path()));
        EXPECT_EQ(second.acquire(), FolderLock::Claim::HeldByOther) << "the folder is ours now";
        EXPECT_EQ(second.holder(), QString());
    }
}

TEST(FolderLock, ACopyRunningOnAnotherComputerKeepsTheFolderAndIsNamed)
{
    TempFolder folder;
    folder.write(FolderLock::kFileName, bytesOf(kOtherComputersLock));
    const HeldFile running(folder.file(FolderLock::kFileName));
    ASSERT_TRUE(running.held());
    FolderLock lock(qtPath(folder.path()));
    ScriptedBoxes boxes;
    EXPECT_FALSE(claimFolder(lock, boxes));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "ВЕРТОКС уже запущен из этой папки на компьютере OFFICE-PC.\r\n"
                                   "Две копии игры стерли бы результаты друг друга: продолжайте "
                                   "игру на том компьютере.");
    EXPECT_EQ(folder.read(FolderLock::kFileName), bytesOf(kOtherComputersLock));
}

// A read-only folder through Unix permissions and the file-system identity.
#ifndef _WIN32
TEST_F(ProgramTest, AHeldFolderEndsTheCopyAnUnwritableOneIsPlayedUntouched)
{
    const QString path = qtPath(folder.path());
    const auto files = [this] {
        std::map<std::string, std::vector<uint8_t>> bytes;
        for (const auto &entry : std::filesystem::directory_iterator(folder.path()))
            bytes[entry.path().filename().string()] = folder.read(entry.path().c_str());
        return bytes;
    };
    const auto before = files();
    {
        FolderLock running(path), second(path);
        ASSERT_EQ(running.acquire(), FolderLock::Claim::Taken);
        const auto held = files();
        EXPECT_FALSE(claimFolder(second, boxes));
        EXPECT_EQ(boxes.shown.at(0).text.rfind("ВЕРТОКС уже запущен из этой папки.", 0), 0u);
        EXPECT_EQ(files(), held);
    }
    // Permissions stop an ordinary user; root also takes a file-system identity that must
    // respect them.
    struct ReadOnly {
        std::filesystem::path folder;
        int was = (std::filesystem::permissions(folder, std::filesystem::perms::owner_write,
                                                std::filesystem::perm_options::remove),
                   ::setfsuid(65534));
        ~ReadOnly()
        {
            ::setfsuid(was);
            std::filesystem::permissions(folder, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add);
        }
    } readOnly{folder.path()};
    FolderLock lock(path);
    EXPECT_TRUE(claimFolder(lock, boxes));
    ASSERT_EQ(boxes.shown.size(), 2u) << "said once, before the main window";
    EXPECT_EQ(boxes.shown[1].text, "Не удается записывать в папку игры!\r\nИгра запустится, но "
                                   "результаты не будут сохранены.");
    start();
    stop();
    // Later writes still report their own failures, the settings written at the end last.
    EXPECT_EQ(boxes.shown.back().text.rfind("Не удается записать файл vertoxwn.ini", 0), 0u);
    EXPECT_EQ(files(), before);
}
#endif
