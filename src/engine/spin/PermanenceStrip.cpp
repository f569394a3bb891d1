// The permanence strip's labels and the blinking of its newest row.
#include "spin/PermanenceStrip.h"

namespace quendra {
namespace {

constexpr int RightColumnOffset = 16; // `TableZ`(25 + i) against `TableZ`(9 + i)

bool holdsPocket(const Table& table, std::uint16_t entry) {
    return entry >= 1 && entry <= table.PocketTable.size();
}

void show(StripLabel& label, std::string text, StripColour colour) {
    label.visible = true;
    label.text = std::move(text);
    label.colour = colour;
}

// Fills the two labels of a row; returns which of them show.
StripBlinkMode showRow(const Table& table, std::uint16_t entry, StripLabel& left,
                       StripLabel& right) {
    const StripBlinkMode mode = stripEntryMode(table, entry);
    if (entry == DaySeparator) {
        show(left, "---", StripColour::Black);
        show(right, "---", StripColour::Black);
        return mode;
    }
    if (mode == StripBlinkMode::None) {
        return mode;
    }
    const PocketRecord& pocket = table.pocket(entry);
    const std::string text = numberText(pocket.number);
    if (mode == StripBlinkMode::Both) {
        show(left, text, StripColour::Green);
        show(right, text, StripColour::Green);
    } else if (mode == StripBlinkMode::Left) {
        show(left, text, StripColour::Red);
    } else {
        show(right, text, StripColour::Black);
    }
    return mode;
}

bool blinkLabelsVisible(const StripBlink& blink) {
    return blink.ticksLeft % 2 == 0;
}

} // namespace

StripBlinkMode stripEntryMode(const Table& table, std::uint16_t entry) {
    if (entry == DaySeparator) {
        return StripBlinkMode::Both;
    }
    if (!holdsPocket(table, entry)) {
        return StripBlinkMode::None;
    }
    const PocketRecord& pocket = table.pocket(entry);
    if (pocket.number == 0 || pocket.number == DoubleZero) {
        return StripBlinkMode::Both;
    }
    return pocket.colour == 'R' ? StripBlinkMode::Left : StripBlinkMode::Right;
}

PermanenceStripView permanenceStrip(const GameState& state) {
    PermanenceStripView view;
    for (int row = 1; row <= StripRows; ++row) {
        const auto left = static_cast<std::size_t>(row - 1);
        showRow(state.table, state.LastSixteen[left], view.labels[left],
                view.labels[left + RightColumnOffset]);
    }
    const StripBlink& blink = state.stripBlink;
    if (!blinkLabelsVisible(blink)) {
        const StripBlinkMode mode = blink.mode;
        if (mode == StripBlinkMode::Left || mode == StripBlinkMode::Both) {
            view.labels[StripRows - 1].visible = false;
        }
        if (mode == StripBlinkMode::Right || mode == StripBlinkMode::Both) {
            view.labels[StripLabelCount - 1].visible = false;
        }
    }
    return view;
}

void ShowPermanenceStrip(GameState& state) {
    StripBlink& blink = state.stripBlink;
    blink = {};
    // The mode of the last shown row counts: the newest entry that shows.
    for (auto entry = state.LastSixteen.rbegin(); entry != state.LastSixteen.rend(); ++entry) {
        const StripBlinkMode mode = stripEntryMode(state.table, *entry);
        if (mode != StripBlinkMode::None) {
            blink.mode = mode;
            blink.ticksLeft = StripBlinkTicks;
            return;
        }
    }
}

bool PermanenceBlinkTick(GameState& state) {
    StripBlink& blink = state.stripBlink;
    if (blink.ticksLeft <= 0) {
        return false;
    }
    --blink.ticksLeft;
    return blink.ticksLeft > 0;
}

} // namespace quendra
