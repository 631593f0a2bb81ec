#include "platform/textviewer.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QProcess>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

bool openTextFile(const QString &folder, const QString &name)
{
    const QFileInfo file(QDir(folder), name);
    if (!file.isFile())
        return false;
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("notepad.exe"),
                                   {QDir::toNativeSeparators(file.absoluteFilePath())}, folder);
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
#endif
}
