// The permanence strip: the last sixteen coups in 32 labels `TableZ10`-`TableZ41`, red numbers
// on the left, black on the right, the zeros and day separators across both, and the blinking
// of the newest row.
#pragma once

#include "game/GameState.h"

#include <array>
#include <cstdint>
#include <string>

namespace quendra {

inline constexpr int StripRows = 16;
inline constexpr int StripLabelCount = 32;
inline constexpr int FirstStripLabel = 10; // `TableZ10`
inline constexpr int StripBlinkTicks = 20; // toggles of the newest row, every 100 ms

enum class StripColour : std::uint8_t { Red, Black, Green };

struct StripLabel {
    bool visible = false;
    std::string text;
    StripColour colour = StripColour::Black;
};

// labels[0] is `TableZ10`. Row i (1 oldest, 16 newest) is `TableZ`(9 + i) on the left and
// `TableZ`(25 + i) on the right.
struct PermanenceStripView {
    std::array<StripLabel, StripLabelCount> labels;

    const StripLabel& TableZ(int number) const { return labels.at(number - FirstStripLabel); }
};

// How a row shows an entry of `LastSixteen` and which of its labels would blink: an empty
// place (100), or a value that is no pocket of the table, shows nothing.
StripBlinkMode stripEntryMode(const Table& table, std::uint16_t entry);

// What the 32 labels show now, the newest row's blinking included.
PermanenceStripView permanenceStrip(const GameState& state);

// Shows the strip after a coup: the newest shown row's labels start blinking for 20 toggles.
void ShowPermanenceStrip(GameState& state);

// One tick of the blink timer `TableTimer`; false once the blinking is over (the labels are left
// visible) or when nothing blinks.
bool PermanenceBlinkTick(GameState& state);

} // namespace quendra
