// quendra entry point: the single-instance guard, the program folder, the settings store and the
// main window.
#include "common/QtSettingsStore.h"
#include "common/SingleInstance.h"
#include "game/ProgramFolder.h"
#include "game/StartUp.h"
#include "main/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quendra");
    QApplication::setOrganizationName("Quendra");

    quendra::app::SingleInstance instance(QApplication::applicationFilePath(), QDir::tempPath());
    if (!instance.acquire()) {
        QMessageBox plain(QMessageBox::NoIcon, QStringLiteral("Quendra"),
                          QString::fromUtf8(quendra::app::AlreadyRunningText), QMessageBox::Ok);
        plain.exec();
        return 0;
    }

    const QByteArray home = qgetenv("QUENDRA_HOME");
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const auto programFolder =
        quendra::prepareProgramFolder(QApplication::applicationDirPath().toStdString(),
                                      home.toStdString(), userData.toStdString());
    quendra::ensureWorkFolders(programFolder);

    quendra::app::QtSettingsStore store;
    quendra::app::MainWindow window(store, programFolder);
    window.show();
    return QApplication::exec();
}
