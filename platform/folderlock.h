#pragma once

#include "platform/gamefiles.h"

#include <QLockFile>
#include <QString>

class MessageBoxes;

// One running copy per game folder: two copies would overwrite each other's files. A lock left
// by a copy that crashed is recognised by its dead process and taken over.
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

    static constexpr const char *kFileName = kLockFile;

private:
    QLockFile m_lock;
};

// Takes the folder for this copy and tells the player what stands in the way. False when
// another copy runs there and this one must end; an unwritable folder is played all the same.
bool claimFolder(FolderLock &lock, MessageBoxes &boxes);
