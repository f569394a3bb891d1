// quendra entry point: the Qt application around the main window.
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quendra");
    QApplication::setOrganizationName("Quendra");
    quendra::app::MainWindow window;
    window.show();
    return QApplication::exec();
}
