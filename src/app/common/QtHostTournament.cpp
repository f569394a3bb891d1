// The host's tournament dialogs.
#include "common/QtHost.h"
#include "tournament/TournamentDialogs.h"

namespace quendra::app {

bool QtHost::confirmTournamentStart() {
    return TRoulette_Turnier::ask(dialogParent_);
}

void QtHost::showTournamentLost() {
    TTurnierverloren(dialogParent_).exec();
}

void QtHost::showTournamentResult(const TournamentResult& result) {
    TTurnierende(result, dialogParent_).exec();
}

} // namespace quendra::app
