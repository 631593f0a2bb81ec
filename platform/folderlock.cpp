#include "platform/folderlock.h"

#include "platform/messageboxes.h"

#include <QDir>
#include <QSysInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace
{

// This computer as QLockFile names it in its lock files.
QString thisComputer()
{
#ifdef Q_OS_WIN
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (GetComputerNameW(name, &size))
        return QString::fromWCharArray(name, int(size));
#endif
    return QSysInfo::machineHostName();
}

} // namespace

FolderLock::FolderLock(const QString &folder)
    : m_lock(QDir(folder.isEmpty() ? QStringLiteral(".") : folder).filePath(kFileName))
{
    // A lock is stale only when its process is gone, however long a game has been running.
    m_lock.setStaleLockTime(0);
}

FolderLock::Claim FolderLock::acquire()
{
    m_holder.clear();
    if (m_lock.tryLock(0))
        return Claim::Taken;
    // Only a lock file that is there and not stale means another copy; any other failure is
    // the folder refusing the file.
    if (m_lock.error() != QLockFile::LockFailedError)
        return Claim::Unwritable;
    // Qt cannot tell whether a copy on another computer, or one that left a damaged file,
    // still runs. The file can be removed only when no running copy holds it: its native lock
    // on Linux, its open handle on Windows. A folder restored or carried over is then ours.
    if (m_lock.removeStaleLockFile() && m_lock.tryLock(0))
        return Claim::Taken;
    qint64 pid = 0;
    QString host, application;
    if (m_lock.getLockInfo(&pid, &host, &application) &&
        host.compare(thisComputer(), Qt::CaseInsensitive) != 0)
        m_holder = host;
    return Claim::HeldByOther;
}

bool claimFolder(FolderLock &lock, MessageBoxes &boxes)
{
    switch (lock.acquire()) {
    case FolderLock::Claim::Taken:
        return true;
    case FolderLock::Claim::HeldByOther:
        if (lock.holder().isEmpty())
            boxes.show(MessageBoxes::Kind::Error,
                       "ВЕРТОКС уже запущен из этой папки.\r\nДве копии игры стерли бы результаты "
                       "друг друга: продолжайте игру в открытом окне.");
        else
            boxes.show(MessageBoxes::Kind::Error,
                       "ВЕРТОКС уже запущен из этой папки на компьютере " +
                           lock.holder().toStdString() +
                           ".\r\nДве копии игры стерли бы результаты друг друга: продолжайте "
                           "игру на том компьютере.");
        return false;
    case FolderLock::Claim::Unwritable:
        boxes.show(MessageBoxes::Kind::Warning,
                   "Не удается записывать в папку игры!\r\nИгра запустится, но результаты не "
                   "будут сохранены.");
        return true;
    }
    return false;
}
