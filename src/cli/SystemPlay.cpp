#include "SystemPlay.h"

#include "settings/SettingsIo.h"
#include "systemplay/SystemPlayers.h"

namespace quendra::cli {

std::optional<UsageError> systemPlayUsage(const SimulateOptions& options,
                                          const SettingsStore& store) {
    Settings settings;
    SetDefaults(settings, true);
    ReadSettings(store, settings, std::chrono::year_month_day{},
                 [](const std::string&) { return false; });
    for (const auto* files : {&options.systems, &options.protocols}) {
        for (const PlayerFile& file : *files) {
            if (file.player > settings.PlayerCount) {
                return UsageError{
                    "player " + std::to_string(file.player) +
                    " does not take part (players: " + std::to_string(settings.PlayerCount) + ")"};
            }
        }
    }
    return std::nullopt;
}

void activateSystems(Game& game, const SimulateOptions& options) {
    if (options.systems.empty() && options.protocols.empty()) {
        return;
    }
    SystemPlayMenu menu = OpenSystemPlayMenu(game);
    for (int player = 1; player <= PlayerSlots; ++player) {
        for (const PlayerFile& file : options.systems) {
            if (file.player == player) {
                SystemFileChosen(game, menu, player, file.file);
            }
        }
    }
    for (int player = 1; player <= PlayerSlots; ++player) {
        for (const PlayerFile& file : options.protocols) {
            if (file.player == player) {
                ProtocolFileChosen(game, menu, player, file.file);
            }
        }
    }
    SystemfilemenuOKClick(game, menu);
    SystemSetTimerTick(game);
}

} // namespace quendra::cli
