// The menu bar of `THaupt`.
#include "main/MainMenu.h"

#include "common/AppText.h"
#include "statistics/StatisticsMenu.h"
#include "systemplay/PlayerFileMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quendra::app {
namespace {

QString name(std::string_view objectName) {
    return QString::fromLatin1(objectName.data(), static_cast<qsizetype>(objectName.size()));
}

} // namespace

MainMenu::MainMenu(QMenuBar* bar) {
    for (const MainMenuTitle& title : MainMenuTitles) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(name(title.objectName));
        menus_[static_cast<std::size_t>(title.id)] = menu;
    }
    for (const MainMenuEntry& entry : MainMenuEntries) {
        QMenu* menu = menus_[static_cast<std::size_t>(entry.menu)];
        const QString objectName = name(entry.objectName);
        if (entry.separatorBefore && !menu->isEmpty()) {
            separatorsBefore_.insert(objectName, menu->addSeparator());
        }
        QAction* action = menu->addAction(QString());
        action->setObjectName(objectName);
        if (!entry.shortcut.empty()) {
            action->setShortcut(QKeySequence(name(entry.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        actions_.insert(objectName, action);
    }
    for (const StatisticsMenuEntry& entry : StatisticsMenuEntries) {
        addSubmenuEntry(name(entry.parent), name(entry.objectName));
    }
    for (const PlayerFileMenuEntry& entry : PlayerFileMenuEntries) {
        addSubmenuEntry(name(entry.parent), name(entry.objectName));
    }
}

void MainMenu::addSubmenuEntry(const QString& parent, const QString& objectName) {
    QAction* action = submenu(parent)->addAction(QString());
    action->setObjectName(objectName);
    actions_.insert(objectName, action);
}

QMenu* MainMenu::submenu(const QString& entryName) {
    QAction* entry = actions_.value(entryName);
    if (!entry->menu()) {
        // The submenu pops up from the menu that holds the entry.
        auto* menu = new QMenu(qobject_cast<QWidget*>(entry->parent()));
        menu->setObjectName(entryName + "Menu");
        entry->setMenu(menu);
    }
    return entry->menu();
}

void MainMenu::retranslate(Language language) {
    for (const MainMenuTitle& title : MainMenuTitles) {
        menus_[static_cast<std::size_t>(title.id)]->setTitle(qText(title.caption[language]));
    }
    for (const MainMenuEntry& entry : MainMenuEntries) {
        actions_.value(name(entry.objectName))->setText(qText(entry.caption[language]));
    }
    for (const StatisticsMenuEntry& entry : StatisticsMenuEntries) {
        actions_.value(name(entry.objectName))->setText(qText(entry.caption[language]));
    }
}

void MainMenu::apply(const CommandState& commands) {
    for (const MainMenuTitle& title : MainMenuTitles) {
        menus_[static_cast<std::size_t>(title.id)]->setEnabled(menuEnabled(commands, title.id));
    }
    for (const MainMenuEntry& entry : MainMenuEntries) {
        const QString objectName = name(entry.objectName);
        QAction* action = actions_.value(objectName);
        const CommandEntry state = menuEntryState(commands, entry.objectName);
        action->setCheckable(state.checked || action->isCheckable());
        action->setChecked(state.checked);
        action->setEnabled(state.enabled);
        action->setVisible(state.visible);
        if (QAction* separator = separatorsBefore_.value(objectName)) {
            separator->setVisible(state.visible);
        }
    }
    for (const StatisticsMenuEntry& entry : StatisticsMenuEntries) {
        actions_.value(name(entry.objectName))
            ->setEnabled(statisticsMenuEntryState(commands, entry.objectName).enabled);
    }
}

void MainMenu::showPlayerFiles(const GameState& state) {
    for (const PlayerFileMenuEntry& entry : PlayerFileMenuEntries) {
        QAction* action = actions_.value(name(entry.objectName));
        action->setText(qText(playerFileCaption(state, entry)));
        action->setEnabled(playerFileEntryEnabled(state, entry));
    }
}

} // namespace quendra::app
