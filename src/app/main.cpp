// quendra entry point: the program folder, the settings store and the main window.
#include "MainWindow.h"
#include "QtSettingsStore.h"
#include "game/StartUp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quendra");
    QApplication::setOrganizationName("Quendra");

    const QByteArray home = qgetenv("QUENDRA_HOME");
    const auto programFolder = quendra::resolveProgramFolder(
        QApplication::applicationDirPath().toStdString(), home.toStdString());
    quendra::ensureWorkFolders(programFolder);

    quendra::app::QtSettingsStore store;
    quendra::app::MainWindow window(store, programFolder);
    window.show();
    return QApplication::exec();
}
