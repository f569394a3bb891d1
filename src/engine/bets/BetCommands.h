// Which bet commands are enabled, as data the app binds its buttons and menu entries to. The
// engine announces every change with Change::Commands; the app then reads betCommandState.
#pragma once

#include "bets/ExtendedBets.h"
#include "game/GameState.h"
#include "text/Language.h"

#include <array>

namespace quendra {

struct BetCommandState {
    // `Optionen1` as far as the bets go: not while stakes lie on the table, a tournament runs
    // or a prisoner waits. (The pause rules of the commands come on top.)
    bool options = true;
    bool clearChips = false;                           // `BU_ClearJetons`
    bool lastBet = false;                              // `BU_LastBet`
    bool lastBetHint = false;                          // `BU_LastBet` shows LastBetHint
    std::array<bool, ExtendedBetCount> extendedBets{}; // the buttons in tag order 1-8
};

BetCommandState betCommandState(const GameState& state);

inline constexpr BilingualText ClearChipsCaption{"Jetons löschen", "Clear Jetons"};
inline constexpr BilingualText LastBetCaption{"gleicher Einsatz", "Same bet"};
inline constexpr BilingualText LastBetHint{
    "Nicht aktiv da Option Gewinnstücke zum Gewinn nicht aktiv ist!",
    "Not activ - option profitpieces to profit is not activ!"};

} // namespace quendra
