// The main window `THaupt`: the table, the wheel and the players' panels.
#pragma once

#include <QMainWindow>

namespace quendra::app {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace quendra::app
