#include "platform/folderlock.h"

#include "tests/support/tempfolder.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <fstream>

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
    // The lock of a process that has ended, as a crash leaves it: this program listing its tests.
    QProcess ended;
    ended.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_list_tests")});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    {
        std::ofstream stale(folder.file(FolderLock::kFileName), std::ios::binary);
        stale << deadPid << "\nvertox\n" << QSysInfo::machineHostName().toStdString() << "\n";
    }
    FolderLock lock(QString::fromStdString(folder.path().string()));
    EXPECT_TRUE(lock.acquire());
}
