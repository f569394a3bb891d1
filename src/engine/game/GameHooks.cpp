// The defaults of the game's hooks: the load files and the year statistics file of the
// permanence code; no system play and no protocol files until system play plugs in.
#include "game/GameHooks.h"

#include "game/Game.h"
#include "permanence/CoupReader.h"
#include "permanence/LoadMenu.h"
#include "permanence/YearFile.h"

namespace quendra {

bool GameHooks::mainLoadFileActive(const Game& game) const {
    return game.state().permanence.load.HaLaAktiv;
}

std::int32_t GameHooks::readLoadFileCoup(Game& game) {
    return Get_Cup_of_Ladefile(game, game.state().table.BallPocket);
}

void GameHooks::untickMainLoadFile(Game& game) {
    if (game.state().permanence.load.HaLaAktiv) {
        HaLaAktivClick(game, false);
    }
}

void GameHooks::writeProtocolLines(Game&) {}

void GameHooks::runSystemPlayer(Game&, int) {}

void GameHooks::closeGameFiles(Game& game) {
    WriteYearBlock(game);
}

void GameHooks::reopenYearFile(Game& game) {
    if (game.state().settings.YearStatistics) {
        OpenYearFile(game);
    }
}

} // namespace quendra
