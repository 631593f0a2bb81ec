#include "platform/folderlock.h"

#include "tests/support/tempfolder.h"

#include <QSysInfo>

#include <gtest/gtest.h>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

TEST(FolderLock, OneCopyPerFolderAndCrashedCopiesNeverBlock)
{
    TempFolder folder;
    const QString path = QString::fromStdString(folder.path().string());
    {
        FolderLock first(path);
        ASSERT_TRUE(first.acquire());
        FolderLock second(path);
        EXPECT_FALSE(second.acquire()) << "a running copy holds the folder";
        TempFolder other;
        FolderLock elsewhere(QString::fromStdString(other.path().string()));
        EXPECT_TRUE(elsewhere.acquire()) << "another folder is free";
    }
    FolderLock afterExit(path);
    EXPECT_TRUE(afterExit.acquire()) << "the lock goes with the copy that held it";
}

TEST(FolderLock, LockOfACrashedCopyIsTakenOver)
{
    TempFolder folder;
    // The lock of a process that has ended, as a crash leaves it.
    const pid_t deadPid = ::fork();
    if (deadPid == 0)
        ::_exit(0);
    ::waitpid(deadPid, nullptr, 0);
    {
        std::ofstream stale(folder.file(FolderLock::kFileName));
        stale << deadPid << "\nvertox\n" << QSysInfo::machineHostName().toStdString() << "\n";
    }
    FolderLock lock(QString::fromStdString(folder.path().string()));
    EXPECT_TRUE(lock.acquire());
}
