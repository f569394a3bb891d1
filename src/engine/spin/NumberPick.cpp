// Choosing and withdrawing the number picked by hand, as the number picker's buttons do it.
#include "spin/NumberPick.h"

namespace quendra {

int pocketsToTravel(int fromPocket, int toPocket, int pocketCount) {
    if (toPocket > fromPocket) {
        return toPocket - fromPocket;
    }
    if (toPocket < fromPocket) {
        return toPocket + pocketCount - fromPocket;
    }
    return pocketCount;
}

NumberPick PickManualNumber(GameState& state, int number) {
    const int pocket = number >= 0 && number <= DoubleZero ? state.table.pocketOf(number) : 0;
    if (pocket == 0) {
        return NumberPick::Refused;
    }
    if (state.ManualSteps == NoneMarker) {
        state.ManualNumber = NoneMarker;
    }
    state.ManualSteps = NoneMarker;
    if (number == state.ManualNumber) {
        state.ManualNumber = NoneMarker;
        return NumberPick::Withdrawn;
    }
    state.ManualNumber = state.table.pocket(pocket).number;
    state.ManualSteps = static_cast<std::uint8_t>(
        pocketsToTravel(state.table.BallPocket, pocket, state.table.PocketCount));
    return NumberPick::Picked;
}

void ClearManualNumber(GameState& state) {
    state.ManualSteps = NoneMarker;
}

std::optional<std::string> SelNumDispText(const GameState& state) {
    if (state.ManualSteps == NoneMarker) {
        return std::nullopt;
    }
    const int number = state.ManualNumber;
    return number < 10 ? " " + numberText(number) : numberText(number);
}

} // namespace quendra
