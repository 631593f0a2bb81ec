#include "app/programwindows.h"
#include "app/taboutform.h"
#include "data/datafiles.h"
#include "game/soundboard.h"
#include "platform/folderlock.h"
#include "platform/fontnames.h"
#include "platform/gamefolder.h"
#include "platform/palette.h"
#include "platform/programtitle.h"
#include "platform/qteventpump.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtpaths.h"
#include "platform/qtsounddevice.h"
#include "platform/systemclock.h"
#include "platform/systemrandom.h"
#include "platform/textviewer.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kProgramTitle));
    QApplication::setFont(QFont(fontnames::sans(), 9));
    // The windows are drawn on the classic dialog face that their coloured texts stand on, so
    // they look the same, and all of one piece, under any desktop palette.
    QApplication::setPalette(QPalette(palette::face));
    // Standard buttons and dialogs read "Да", "Нет", "Отмена" like the rest of the program.
    QTranslator qtTexts;
#ifdef Q_OS_WIN
    // Shipped in the game folder, as Windows has no system copy of Qt.
    const QString qtTextsFolder =
        QApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    const QString qtTextsFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    if (qtTexts.load(QStringLiteral("qtbase_ru"), qtTextsFolder))
        QApplication::installTranslator(&qtTexts);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(TAboutForm::dicePicture())));

    const QString folder = gameFolder();
    const std::filesystem::path gamePath = stdPath(folder);
    QtMessageBoxes boxes;
    FolderLock folderLock(folder);
    if (!claimFolder(folderLock, boxes))
        return 1;

    SharedData data;
    SystemRandom random;
    SystemClock clock;
    QtEventPump pump;
    QtSoundDevice device(gamePath);
    SoundBoard sounds(data.SoundOn, device);
    DataFiles files(data, boxes, gamePath);

    const auto windows = ProgramWindows::create(
        {data, files, random, boxes, clock, sounds, pump, gamePath,
         [folder](const QString &name) { return openTextFile(folder, name); }});
    if (!windows)
        return 1;
    TMainForm &mainForm = windows->mainForm();

    // The program ends with the main window, whatever other windows are still hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&mainForm, &TMainForm::closed, &app, &QCoreApplication::quit);
    mainForm.show();
    return QApplication::exec();
}
