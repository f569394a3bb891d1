// What system play keeps beside the players' objects: the open protocol files, the system files
// as last examined, and the one-shot timer that places the first bets of newly activated players.
#pragma once

#include "systemplay/SystemFileCache.h"

#include <array>
#include <fstream>
#include <memory>

namespace quendra {

struct SystemPlayState {
    // Per player (index player - 1): his protocol file, open while his protocol is active.
    std::array<std::unique_ptr<std::ofstream>, 4> protocols;
    SystemFileCache files;
    // `Systemsetz_Timer`: started by the OK of the system-play menu; when it fires, each player
    // flagged here plays his first turn (SystemSetTimerTick). The app starts a 10 ms one-shot
    // timer while it is on; the CLI and the tests call the tick themselves.
    bool SystemSetTimerOn = false;
    std::array<bool, 4> firstRunPending{};
};

} // namespace quendra
