// What the statements of a system line work on: the player's system state, the table, the coup
// history, the program-wide message switch, and the run around them, which acts on the events.
#pragma once

#include "bets/BetState.h"
#include "game/CoupHistory.h"
#include "systemplay/DataDisplay.h"
#include "systemplay/SystemState.h"
#include "table/Table.h"

#include <cstdint>

namespace quendra {

// How the run answered a rise table passing its maximum.
enum class RiseMaximumOutcome {
    KeepTopStep,    // play goes on: the table stays at its last step
    StepSetByEvent, // the event handled the table (put it back to its start step, or reset the
                    // whole system); its step stands as the event left it
    SystemStopped,  // the system was stopped: the statement is abandoned
};

// What a statement asks of the run that executes it. The run per coup implements these with
// the abort settings, the pause and the message boxes.
class SystemEvents {
public:
    virtual ~SystemEvents() = default;

    // A forward step item took rise table 1-9 past its last step.
    virtual RiseMaximumOutcome riseMaximum(int table) = 0;
    // The STOP statement.
    virtual void stop() = 0;
    // The RESTART statement; the waiting coups are already switched off for RESTART(F).
    virtual void restart() = 0;
    // A MESSAGE statement with items while the message switch is on.
    virtual void showDataDisplay(const DataDisplay& display) = 0;
    // Warning 15: a bet before any unit item is placed with one piece.
    virtual void noUnitWarning() = 0;
};

struct SystemContext {
    SystemState& state;
    // The bets of this run: bet items append their fields by board points and add their stake
    // to `BetListTotal`; the spin cycle places the list after the run.
    BetList& betList;
    int player = 1; // 1-4: dozens and even chances are named by the player's own anchor
    const Table& table;
    const CoupHistory& history;
    // `MessageSwitch`: one flag for the whole program, switched by MESSAGE ON and OFF.
    bool& MessageSwitch;
    SystemEvents& events;
    // The line stands in the start section: STMAX is allowed only there.
    bool inStartSection = false;
    // `StartDone` is false: assignments set start values (`CounterStart`, `RiseStartStep`).
    bool settingStartValues = false;
    // The player's capital, which the loss and profit limits are measured from.
    std::int32_t capital = 0;
};

} // namespace quendra
