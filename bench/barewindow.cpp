// The yardstick for the game's start-up: the least a Qt Widgets program maps as a main window,
// a menu bar with one menu and a status bar, on the same Qt as the game.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.statusBar();
    window.show();
    return QApplication::exec();
}
