// The load menu's start options: defaults, the rules of their fields, the confirmation of a
// change and the three signal lamps.
#pragma once

#include "permanence/PermanenceState.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quendra {

class Game;
struct GameState;

// Typed start values are cut to this, far beyond any load file, so that no arithmetic on them
// can overflow.
inline constexpr std::int64_t HighestStartValue = 999'999'999'999'999;
inline constexpr int HighestAttackCount = 50;

// The value of a digits-only field; nullopt when it holds no digit. Anything but digits is
// passed over.
std::optional<std::int64_t> digitFieldValue(std::string_view text);
// A key typed into a digits-only field: digits and backspace ('\b') edit it, every other
// character is refused.
bool digitFieldKey(char typed);

// Defaults after a change of files: normal start, fix start 1, random range 1 to `LowestCount`,
// one attack of `LowestCount` coups; `StartOptionsChanged` set; the lamps updated.
void setStartOptionDefaults(Game& game);
// Reset: normal start, every value 1, the lamps red, `LoadFileInfo` emptied.
void resetStartOptions(Game& game);

// The lamp for a start value: green when it is at most the reference (`LowestCount`, divided by
// the attack count for attacks), yellow and blinking when some listed file can still hold it,
// red otherwise, and red whenever the main file is not active.
Lamp startValueLamp(const GameState& state, std::int64_t value, int divisor);
void updateFixLamp(GameState& state);
void updateRandomLamp(GameState& state);
// Red while a player plays a system: the attacks have no reference then.
void updateAttackLamp(GameState& state);
void updateStartOptionLamps(GameState& state);

// The edits of the start options. While `StartOptionsChanged` is clear, a change asks "Bei
// Startoptionenwechsel erfolgt ein Ladefile Zurücksetzung!" (OK / Cancel); OK sets the flag and
// takes the change, Cancel keeps the previous mode and values and returns false.
//
// Choosing a start mode (also by entering one of its number fields). Random attacks are refused
// while they are disabled.
bool selectStartMode(Game& game, LoadStartMode mode);
// `FixRando`: empty or 0 becomes 1.
bool applyFixRando(Game& game, std::string_view text);
// `MinRando`/`MaxRando`: an empty minimum becomes 1, an empty maximum `LowestCount`; a maximum
// below the minimum pulls the minimum down to it. The lamp is updated with the maximum.
bool applyRandomRange(Game& game, std::string_view minText, std::string_view maxText);
// `maxAngRand`/`maxDauRand`: the attack count is kept within 1-50; an empty or zero length
// becomes `LowestCount`, and a length above `LowestCount` / attacks is cut to that.
bool applyAttacks(Game& game, int attacks, std::string_view lengthText);

// Opening the menu: zero values get their defaults, the lamps are updated (red without an
// active main file), and random attacks are disabled while a player plays a system, with the
// hint "Systemspiel aktiv!" at their lamp.
void prepareStartOptions(Game& game);

} // namespace quendra
