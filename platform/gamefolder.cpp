#include "platform/gamefolder.h"

#include <QCoreApplication>
#include <QDir>

QString gameFolder()
{
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath();
#else
    return QDir::currentPath();
#endif
}
