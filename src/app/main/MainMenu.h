// The main window's menu bar, built from the engine's menu tables: one action per entry, named
// after the entry, with its shortcut, and the statistics submenus below their entries; captions
// follow the language, states the command model.
#pragma once

#ifndef Q_MOC_RUN
#include "game/GameState.h"
#include "game/MainMenu.h"
#endif

#include <QHash>
#include <QString>
#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace quendra::app {

class MainMenu {
public:
    // Fills the menu bar; the actions belong to the bar's menus.
    explicit MainMenu(QMenuBar* bar);

    // The entry's action, submenu entries included; null for a name the tables do not hold.
    QAction* action(const QString& objectName) const { return actions_.value(objectName); }
    QMenu* menu(MainMenuId id) const { return menus_[static_cast<std::size_t>(id)]; }

    void retranslate(Language language);
    // Enabled, ticked and shown as the command model says.
    void apply(const CommandState& commands);
    // The entries of each player's system and protocol file: his file's name, enabled while he
    // has one.
    void showPlayerFiles(const GameState& state);

private:
    // The submenu below an entry, made on first use.
    QMenu* submenu(const QString& entryName);
    void addSubmenuEntry(const QString& parent, const QString& objectName);

    std::array<QMenu*, MainMenuCount> menus_{};
    QHash<QString, QAction*> actions_;
    QHash<QString, QAction*> separatorsBefore_;
};

} // namespace quendra::app
