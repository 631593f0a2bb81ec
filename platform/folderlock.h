#pragma once

#include <QLockFile>
#include <QString>

// One running copy per game folder: two copies would overwrite each other's files. A lock left
// by a copy that crashed is recognised by its dead process and taken over.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder);
    // False while another running copy holds the folder.
    bool acquire();

    static constexpr const char *kFileName = "vertoxwn.lck";

private:
    QLockFile m_lock;
};
