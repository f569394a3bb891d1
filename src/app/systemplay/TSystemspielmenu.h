// The system-play menu `TSystemspielmenu`: per player the system file and the protocol file with
// their "Aktiv" boxes and "Reset" buttons, "Full Reset" and "OK". The window shows the engine's
// menu model and hands every input to the engine's menu operations.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "systemplay/SystemPlayers.h"
#endif

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quendra::app {

class TSystemspielmenu : public QDialog {
    Q_OBJECT
public:
    // Opens the menu: the game pauses until the menu closes.
    explicit TSystemspielmenu(Game& game, QWidget* parent = nullptr);
    ~TSystemspielmenu() override;

    const SystemPlayMenu& menu() const { return menu_; }

public slots:
    // Esc and the window's close button: the menu closes without OK.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One file row of a group: the system file or the protocol file.
    struct FileRow {
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
        QToolButton* open = nullptr;
        QCheckBox* active = nullptr;
        QPushButton* reset = nullptr;
    };
    struct GroupControls {
        QGroupBox* box = nullptr;
        FileRow system;
        FileRow protocol;
    };

    void buildGroup(int player);
    FileRow buildRow(QGroupBox* box, int row, int player, bool protocol);
    void connectRow(const FileRow& row, int player, bool protocol);
    // Runs a menu operation and shows the menu as it stands afterwards.
    template <typename Operation>
    void handle(Operation&& operation);
    void FormShow();
    void showMenu();
    void FileEingabeDblClick(int player, bool protocol);
    // True when the key is taken by the menu and does not reach the edit.
    bool SpSysOutKeyPress(int player, bool protocol, const QKeyEvent& key);
    void SystemfilemenuOKClick();
    void SystemfileFullResetClick();

    Game& game_;
    SystemPlayMenu menu_;
    std::array<GroupControls, 4> groups_{};
    QPushButton* ok_ = nullptr;
    QPushButton* fullReset_ = nullptr;
};

} // namespace quendra::app
