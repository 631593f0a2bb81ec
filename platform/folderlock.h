#pragma once

#include "platform/gamefiles.h"

#include <QLockFile>
#include <QString>

class MessageBoxes;

// One running copy per game folder: two copies would overwrite each other's files. A lock that
// no running copy holds is taken over: one left by a crash, by another computer (a folder
// restored, copied or carried on a stick) or a damaged lock file.
class FolderLock
{
public:
    enum class Claim {
        Taken,
        HeldByOther,
        // No lock can be made at all: the folder cannot be written, and neither can results.
        Unwritable,
    };

    explicit FolderLock(const QString &folder);
    Claim acquire();
    // After HeldByOther: the other computer whose copy holds the folder, empty for this one.
    const QString &holder() const { return m_holder; }

    static constexpr const char *kFileName = kLockFile;

private:
    QLockFile m_lock;
    QString m_holder;
};

// Takes the folder for this copy and tells the player what stands in the way. False when
// another copy runs there and this one must end; an unwritable folder is played all the same.
bool claimFolder(FolderLock &lock, MessageBoxes &boxes);
