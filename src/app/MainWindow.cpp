#include "MainWindow.h"

#include "game/Version.h"

namespace quendra::app {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("THaupt");
    setWindowTitle(QString::fromUtf8(ProductName.data(), ProductName.size()));
    resize(978, 695);
}

} // namespace quendra::app
