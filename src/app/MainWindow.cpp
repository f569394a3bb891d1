#include "MainWindow.h"

#include "game/StartUp.h"
#include "game/Version.h"
#include "settings/SettingsIo.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace quendra::app {

MainWindow::MainWindow(SettingsStore& store, const std::filesystem::path& programFolder,
                       QWidget* parent)
    : QMainWindow(parent), store_(store), host_(this), game_(host_), tableView_(new QLabel(this)) {
    setObjectName("THaupt");
    setWindowTitle(QString::fromUtf8(ProductName.data(), ProductName.size()));
    resize(978, 695);
    initialiseGameState(game_.state(), programFolder);
    tableView_->setObjectName("Spielbrett1");
    tableView_->setAlignment(Qt::AlignCenter);
    setCentralWidget(tableView_);
}

MainWindow::~MainWindow() = default;

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!startUpScheduled_) {
        // Runs once the window is on screen, so its boxes have a parent to sit on.
        startUpScheduled_ = true;
        QTimer::singleShot(0, this, &MainWindow::startUp);
    }
}

void MainWindow::startUp() {
    const int depth = screen() ? screen()->depth() : 32;
    if (colourDepthQuestionNeeded(readDisplayCol(store_), depth)) {
        if (!host_.askQuestion(colourDepthQuestion(depth, Language::German))) {
            close();
            return;
        }
    }
    writeDisplayCol(store_, true);
    if (!startGameWindow(game_, store_)) {
        close();
        return;
    }
    started_ = true;
    refresh();
}

void MainWindow::refresh() {
    const GameState& state = game_.state();
    const bool german = state.settings.Language == 0;
    const QString table = state.table.FrenchTable
                              ? (german ? "Französischer Tisch" : "French table")
                              : (german ? "Amerikanischer Tisch" : "American table");
    const QString ball = QString::fromStdString(numberText(state.table.ballNumber()));
    tableView_->setText(QString("%1 — %2 %3").arg(table, german ? "Kugel auf" : "Ball on", ball));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (started_) {
        saveGameSettings(game_.state(), store_);
    }
    QMainWindow::closeEvent(event);
}

} // namespace quendra::app
