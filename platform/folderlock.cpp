#include "platform/folderlock.h"

#include <QDir>

FolderLock::FolderLock(const QString &folder)
    : m_lock(QDir(folder.isEmpty() ? QStringLiteral(".") : folder).filePath(kFileName))
{
    // A lock is stale only when its process is gone, however long a game has been running.
    m_lock.setStaleLockTime(0);
}

bool FolderLock::acquire()
{
    return m_lock.tryLock(0);
}
