#include "support/SystemTrial.h"

namespace quendra::testing {

SystemTrial trySystem(SystemPlayGame& game, std::string_view name, std::string_view text,
                      int coups) {
    SystemTrial trial;
    trial.check = precheckSystemText(text);
    const std::string system = game.writeSystem(name, text);
    game.activate(1, system);
    for (int coup = 0; coup < coups && game.host.messages.empty(); ++coup) {
        game.coup();
        trial.placedBets = trial.placedBets || game.player(1).BetSum > 0;
    }
    trial.stillActive = game.player(1).sys.SystemActive;
    trial.boxes = game.host.messages;
    trial.fileAfter = readFile(system);
    return trial;
}

} // namespace quendra::testing
