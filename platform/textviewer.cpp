#include "platform/textviewer.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QProcess>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

bool openTextFile(const QString &name)
{
    const QFileInfo file(QDir::current(), name);
    if (!file.isFile())
        return false;
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("notepad.exe"), {name}, QDir::currentPath());
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
#endif
}
