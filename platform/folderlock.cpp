#include "platform/folderlock.h"

#include "platform/messageboxes.h"

#include <QDir>

FolderLock::FolderLock(const QString &folder)
    : m_lock(QDir(folder.isEmpty() ? QStringLiteral(".") : folder).filePath(kFileName))
{
    // A lock is stale only when its process is gone, however long a game has been running.
    m_lock.setStaleLockTime(0);
}

FolderLock::Claim FolderLock::acquire()
{
    if (m_lock.tryLock(0))
        return Claim::Taken;
    // Only a lock file that is there and not stale means another copy; any other failure is
    // the folder refusing the file.
    return m_lock.error() == QLockFile::LockFailedError ? Claim::HeldByOther : Claim::Unwritable;
}

bool claimFolder(FolderLock &lock, MessageBoxes &boxes)
{
    switch (lock.acquire()) {
    case FolderLock::Claim::Taken:
        return true;
    case FolderLock::Claim::HeldByOther:
        boxes.show(MessageBoxes::Kind::Error,
                   "ВЕРТОКС уже запущен из этой папки.\r\nДве копии игры стерли бы результаты "
                   "друг друга: продолжайте игру в открытом окне.");
        return false;
    case FolderLock::Claim::Unwritable:
        boxes.show(MessageBoxes::Kind::Warning,
                   "Не удается записывать в папку игры!\r\nИгра запустится, но результаты не "
                   "будут сохранены.");
        return true;
    }
    return false;
}
