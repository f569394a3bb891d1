// The per-player state of a system and its resets.
#include "systemplay/SystemState.h"

#include <algorithm>

namespace quendra {

int SystemState::riseValueAtStep(int table) const {
    if (table < 1 || table > RiseTableLimit) {
        return 0;
    }
    const auto t = static_cast<std::size_t>(table);
    const int step = RiseStep[t];
    if (step < 1 || step > RiseLength[t]) {
        return 0;
    }
    return RiseValues[t][static_cast<std::size_t>(step)];
}

void beginActions(SystemState& state) {
    state.NewActionList = true;
}

void carryActionsOver(SystemState& state) {
    const auto firstEmpty =
        std::find(state.CurrentActions.begin(), state.CurrentActions.end(), ActionText{});
    const auto carried =
        std::min<std::ptrdiff_t>(firstEmpty - state.CurrentActions.begin(), ArgumentCarryOver);
    state.ArgumentTable.assign(state.CurrentActions.begin(),
                               state.CurrentActions.begin() + carried);
}

void systemReset(SystemState& state) {
    state.Counters.fill(0);
    state.CounterStart.fill(0);
    state.RiseLength.fill(0);
    state.RiseStep.fill(0);
    state.RiseStartStep.fill(0);
    for (auto& flags : state.StmaxResetFlags) {
        flags.fill(false);
    }
    AbortSettings cleared;
    cleared.WaitingActive = state.abort.WaitingActive;
    cleared.WaitingLeft = state.abort.WaitingLeft;
    state.abort = cleared;
}

void riseMaximumReset(SystemState& state, int table) {
    if (table < 1 || table > RiseTableLimit) {
        return;
    }
    const auto t = static_cast<std::size_t>(table);
    state.RiseStep[t] = state.RiseStartStep[t];
    for (std::size_t counter = 0; counter < CounterCount; ++counter) {
        if (state.StmaxResetFlags[t][counter]) {
            state.Counters[counter] = state.CounterStart[counter];
        }
    }
}

} // namespace quendra
