// The menu entries' states looked up in the command model by object name.
#include "game/MainMenu.h"

#include "statistics/StatisticsMenu.h"

#include <utility>

namespace quendra {

CommandEntry menuEntryState(const CommandState& commands, std::string_view objectName) {
    const std::pair<std::string_view, const CommandEntry*> bound[] = {
        {"Start1", &commands.Start1},
        {"Optionen1", &commands.Optionen1},
        {"SpielEnde1", &commands.SpielEnde1},
        {"Pause", &commands.Pause},
        {"Turnierspielstarten1", &commands.Turnierspielstarten1},
        {"Turnierspielstoppen1", &commands.Turnierspielstoppen1},
        {"Systemspiel1", &commands.Systemspiel1},
        {"Ladefile1", &commands.Ladefile1},
        {"StatRcksetzung1", &commands.StatRcksetzung1},
        {"Replay1", &commands.Replay1},
        {"Superkurzspiel", &commands.Superkurzspiel},
        {"LadeADatei", &commands.LadeADatei},
        {"Dateiaddieren", &commands.Dateiaddieren},
        {"APermanenz1", &commands.APermanenz1},
        {"AStatistik1", &commands.AStatistik1},
    };
    for (const auto& [name, entry] : bound) {
        if (name == objectName) {
            return *entry;
        }
    }
    return {true, false, true};
}

CommandEntry statisticsMenuEntryState(const CommandState& commands, std::string_view objectName) {
    std::string_view name = objectName;
    for (bool found = true; found;) {
        found = false;
        for (const StatisticsMenuEntry& entry : StatisticsMenuEntries) {
            if (entry.objectName == name) {
                name = entry.parent;
                found = true;
                break;
            }
        }
    }
    return menuEntryState(commands, name);
}

bool menuEnabled(const CommandState& commands, MainMenuId menu) {
    switch (menu) {
    case MainMenuId::Spiel:
    case MainMenuId::Hilfe:
        return true;
    case MainMenuId::Spielfunktionen:
    case MainMenuId::Permanenz:
    case MainMenuId::Statistik:
    case MainMenuId::Analyse:
    case MainMenuId::Files:
        break;
    }
    return commands.menus;
}

} // namespace quendra
