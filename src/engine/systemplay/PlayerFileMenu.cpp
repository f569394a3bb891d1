// Captions and enabled states of the players' file entries.
#include "systemplay/PlayerFileMenu.h"

#include <filesystem>

namespace quendra {
namespace {

const std::string& fileOf(const GameState& state, const PlayerFileMenuEntry& entry) {
    const SysSpieler& sys = state.player(entry.player).sys;
    return entry.protocol ? sys.ProtocolFile : sys.SystemFile;
}

} // namespace

std::string playerFileCaption(const GameState& state, const PlayerFileMenuEntry& entry) {
    constexpr BilingualText Player{"Spieler ", "Player "};
    std::string caption = std::string(Player[state.language()]) + std::to_string(entry.player);
    if (const std::string& file = fileOf(state, entry); !file.empty()) {
        caption += ": " + std::filesystem::path(file).filename().string();
    }
    return caption;
}

bool playerFileEntryEnabled(const GameState& state, const PlayerFileMenuEntry& entry) {
    return state.participates(entry.player) && !fileOf(state, entry).empty();
}

} // namespace quendra
