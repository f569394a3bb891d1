// `SystemState`: what a player's system keeps from coup to coup — counters, units, rise tables,
// play tables, abort settings and the bet items of the last runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quendra {

inline constexpr int CounterCount = 100;   // CO00-CO99
inline constexpr int CounterMaximum = 255; // counters hold 0-255
inline constexpr int UnitCount = 10;       // EI0-EI9
inline constexpr int RiseTableCount = 9;   // ST1-ST9 can be defined
// Conditions and the STMAX letter S accept table 10 as well; it is never defined.
inline constexpr int RiseTableLimit = 10;
inline constexpr int RiseStepCount = 50; // steps 1-50 of a rise table
inline constexpr int RiseValueMaximum = 255;
inline constexpr int PlayTableCount = 9;      // PT1-PT9
inline constexpr int ActionCapacity = 300;    // bet items recorded per run
inline constexpr int ArgumentCarryOver = 50;  // of them carried into the next coup's AG
inline constexpr int ArgumentTableSize = 300; // AG(1)-AG(300) can be addressed

// The abort and reset conditions the STMAX item sets; all off after a system reset except the
// waiting coups. Each carries the letter that sets it.
struct AbortSettings {
    bool ResetAllAtMaximum = false;   // A: a rise table passing its maximum resets the system
    bool StopAtMaximum = false;       // E: ... stops the system
    bool ResetTableAtMaximum = false; // S: ... resets that table and its flagged counters
    std::int32_t LossLimit = 0;       // V: pieces, 0 when not set
    std::int32_t ProfitLimit = 0;     // G: pieces, 0 when not set
    std::int32_t CoupLimit = 0;       // C: runs, 0 when not set
    bool AtPermanenceEnd = false;     // L
    bool ResetAtDaySeparator = false; // H
    bool SkipToFollowFile = false;    // R
    bool ResetSilently = false;       // N
    bool PauseOnEvent = false;        // P
    // I: the first coups pass before the start section runs to its end. The run counts
    // `WaitingLeft` down; a system reset keeps both.
    bool WaitingActive = false;
    std::int32_t WaitingLeft = 0;

    bool operator==(const AbortSettings&) const = default;
};

// One entry of `CurrentActions`, `ArgumentTable` or a play table: a bet code with its two-digit
// index ("EC01", "PL17"), or a sector code alone ("GS").
using ActionText = std::string;

struct SystemState {
    std::array<std::int32_t, CounterCount> Counters{};
    std::array<std::uint8_t, CounterCount> CounterStart{};
    std::array<std::int32_t, UnitCount> Units{};
    // The pieces each following bet item places: the value of the unit item executed last.
    std::int32_t StakeUnit = 0;

    // Rise tables by number: index 1-10 (index 0 and the values of table 10 are never used).
    std::array<std::array<std::uint8_t, RiseStepCount + 1>, RiseTableLimit + 1> RiseValues{};
    std::array<std::uint8_t, RiseTableLimit + 1> RiseLength{};
    std::array<std::uint8_t, RiseTableLimit + 1> RiseStep{};
    std::array<std::uint8_t, RiseTableLimit + 1> RiseStartStep{};
    std::uint8_t CurrentTable = 0;

    // [table 1-10][counter 0-99]: counters put back to their start values when the table passes
    // its maximum (letter S).
    std::array<std::array<bool, CounterCount>, RiseTableLimit + 1> StmaxResetFlags{};
    AbortSettings abort;
    std::int32_t ReferenceCapital = 0;

    // Play tables by number: index 1-9 (`Aktion_Array`).
    std::array<std::vector<ActionText>, PlayTableCount + 1> PlayTables;

    // The bet items of the current run, at most 300; and those of the previous coup (AG).
    std::vector<ActionText> CurrentActions;
    std::vector<ActionText> ArgumentTable;
    // The next bet item starts a new `CurrentActions` list.
    bool NewActionList = true;

    // The value of a rise table at its current step; 0 while the step is 0 or past the values.
    int riseValueAtStep(int table) const;

    bool operator==(const SystemState&) const = default;
};

// Start of a run: the first bet item of the run starts a new list of actions.
void beginActions(SystemState& state);
// End of a run: the actions up to the first empty one, at most 50, become the argument table.
// A run without bet items leaves the actions of an earlier run, and they are carried again.
void carryActionsOver(SystemState& state);

// The system (re)starts: counters and their start values, every rise table (length, step and
// start step) and every STmax reset flag are cleared, and the abort settings are off except the
// waiting coups. Units, the stake unit, the play tables and the reference capital stay.
void systemReset(SystemState& state);

// A rise table passed its maximum under letter S: the table goes back to its start step and
// every counter flagged for it, 00-99, to its start value.
void riseMaximumReset(SystemState& state, int table);

} // namespace quendra
