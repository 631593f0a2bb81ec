#include "platform/textviewer.h"

#include "platform/cp1251.h"
#include "platform/dialogstyle.h"
#include "platform/fontnames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStringDecoder>

#ifdef Q_OS_WIN
#include <QProcess>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace
{

// The shipped texts are UTF-8, behind a byte order mark for Notepad on Windows; a text that is
// not UTF-8 is read in code page 1251, as the game's texts were written before.
QString decodedText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromStdString(cp1251::toUtf8({bytes.constData(), std::size_t(bytes.size())}));
}

bool showTextWindow(const QString &path, const QString &title)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    auto *viewer = new QPlainTextEdit;
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    // Like Notepad beside the game, an open text never keeps the game running once its main
    // window is closed.
    viewer->setAttribute(Qt::WA_QuitOnClose, false);
    viewer->setObjectName(QStringLiteral("TextViewer"));
    viewer->setWindowTitle(title);
    viewer->setAccessibleName(title);
    viewer->setReadOnly(true);
    // A caret that keys move, so the text can be read line by line, and aloud.
    viewer->setTextInteractionFlags(viewer->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    // The help texts are laid out in lines of their own, as Notepad shows them.
    viewer->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(fontnames::fixed(), 10);
    font.setStyleHint(QFont::TypeWriter);
    viewer->setFont(font);
    viewer->setPlainText(decodedText(file.readAll()));
    new QShortcut(QKeySequence(Qt::Key_Escape), viewer, viewer, &QWidget::close);
    // Room for eighty columns and a page of lines; longer texts scroll.
    const QFontMetrics metrics(font);
    viewer->resize(metrics.horizontalAdvance(QLatin1Char('0')) * 84, metrics.lineSpacing() * 32);
    centreOnScreen(viewer);
    viewer->show();
    return true;
}

} // namespace

bool openOnDesktop(const QString &path)
{
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("notepad.exe"), {QDir::toNativeSeparators(path)},
                                   QFileInfo(path).absolutePath());
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

bool openTextFile(const QString &folder, const QString &name, const DesktopOpener &desktop)
{
    const QFileInfo file(QDir(folder), name);
    if (!file.isFile())
        return false;
    return desktop(file.absoluteFilePath()) || showTextWindow(file.absoluteFilePath(), name);
}
