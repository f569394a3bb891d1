// A system text tried the way a user first tries one: checked and normalised, then played by
// player 1 for a number of coups until the first box appears.
#pragma once

#include "support/SystemPlayGame.h"
#include "systemplay/SystemPrecheck.h"

#include <string>
#include <string_view>
#include <vector>

namespace quendra::testing {

struct SystemTrial {
    PrecheckResult check;              // the pre-check of the text as written
    bool placedBets = false;           // some coup had bets of player 1 on the table
    bool stillActive = false;          // player 1's system was still running at the end
    std::vector<MessageBoxData> boxes; // every box shown; the trial stops after the first
    std::string fileAfter;             // the system file as the run left it
};

// Writes `text` as SYSTEM/`name`, activates it for player 1 of `game` and plays up to `coups`
// coups (from the game's load file, or random ones without it).
SystemTrial trySystem(SystemPlayGame& game, std::string_view name, std::string_view text,
                      int coups);

} // namespace quendra::testing
