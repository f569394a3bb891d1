// The defaults of the host's optional dialogs: a host without them cancels.
#include "game/Host.h"

namespace quendra {

std::optional<int> Host::selectNumber(TableType, std::optional<int>) {
    return std::nullopt;
}

void Host::showTournamentResult(const TournamentResult&) {}

bool Host::openWithSystem(const std::filesystem::path&) {
    return false;
}

} // namespace quendra
