// The defaults of the game's hooks: no load file, no system play, no files.
#include "game/GameHooks.h"

namespace quendra {

bool GameHooks::mainLoadFileActive(const Game&) const {
    return false;
}

std::int32_t GameHooks::readLoadFileCoup(Game&) {
    return 1;
}

void GameHooks::untickMainLoadFile(Game&) {}

void GameHooks::writeProtocolLines(Game&) {}

void GameHooks::runSystemPlayer(Game&, int) {}

void GameHooks::closeGameFiles(Game&) {}

void GameHooks::reopenYearFile(Game&) {}

} // namespace quendra
