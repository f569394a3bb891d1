// The main window `THaupt`: the table, the wheel and the players' panels.
#pragma once

#include "QtHost.h"
#ifndef Q_MOC_RUN
#include "game/Game.h"
#endif

#include <QMainWindow>

class QLabel;

namespace quendra {
class SettingsStore;
}

namespace quendra::app {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The game state must be initialised for its program folder; the store outlives the window.
    MainWindow(SettingsStore& store, const std::filesystem::path& programFolder,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Game& game() { return game_; }
    // False until the start-up has loaded the settings and the table.
    bool started() const { return started_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void startUp();
    void refresh();

    SettingsStore& store_;
    QtHost host_;
    Game game_;
    QLabel* tableView_;
    bool startUpScheduled_ = false;
    bool started_ = false;
};

} // namespace quendra::app
