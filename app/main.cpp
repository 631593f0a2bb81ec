#include "app/programwindows.h"
#include "app/taboutform.h"
#include "data/datafiles.h"
#include "game/soundboard.h"
#include "platform/folderlock.h"
#include "platform/qteventpump.h"
#include "platform/qtmessageboxes.h"
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
    QApplication::setApplicationName(QStringLiteral("ВЕРТОКС для Windows"));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    // Standard buttons and dialogs read "Да", "Нет", "Отмена" like the rest of the program.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(TAboutForm::dicePicture())));

    QtMessageBoxes boxes;
    FolderLock folderLock(QString{});
    if (!claimFolder(folderLock, boxes))
        return 1;

    SharedData data;
    SystemRandom random;
    SystemClock clock;
    QtEventPump pump;
    QtSoundDevice device;
    SoundBoard sounds(data.SoundOn, device);
    DataFiles files(data, boxes);

    const auto windows =
        ProgramWindows::create({data, files, random, boxes, clock, sounds, pump, {}, openTextFile});
    if (!windows)
        return 1;
    TMainForm &mainForm = windows->mainForm();

    // The program ends with the main window, whatever other windows are still hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&mainForm, &TMainForm::closed, &app, &QCoreApplication::quit);
    mainForm.show();
    return QApplication::exec();
}
