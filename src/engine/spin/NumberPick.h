// The number picked by hand for the next coup: choosing it on the wheel, withdrawing it, and
// forgetting it once a coup has used it.
#pragma once

#include "game/GameState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quendra {

// Pockets the ball travels from one wheel position to another (both 1-based): a whole turn
// when they are the same pocket, so the ball always moves.
int pocketsToTravel(int fromPocket, int toPocket, int pocketCount);

enum class NumberPick : std::uint8_t {
    // The number is chosen for the next coup; the picker closes after showing it for 100 ms.
    Picked,
    // The clicked number was the chosen one: nothing is chosen now and the picker stays open.
    Withdrawn,
    // The number is not on this table (00 on the French table): nothing changed.
    Refused,
};

// A click on the picker's button of `number` (0-36, 37 for 00). While a number is chosen
// (ManualSteps not 99) its button shows the red outline; ManualNumber alone, kept from a coup
// that used it, does not count as chosen, so picking that number again chooses it anew.
NumberPick PickManualNumber(GameState& state, int number);

// After every coup: the pick has been used, the next coup is drawn unless a number is picked
// again.
void ClearManualNumber(GameState& state);

// The text of the main window's `SelNumDisp`: "00" for the double zero, a blank before 0-9;
// nullopt (the label hidden) while no number is chosen.
std::optional<std::string> SelNumDispText(const GameState& state);

} // namespace quendra
