// A set statement read once, for lines executed every coup: its items as the text gives them,
// so that a run executes them without reading the text again. Only what the text fixes is kept
// here; what depends on the run (a counter's value, the table's step, the stake unit, the
// capital) is looked at when the item is executed, exactly as when it is executed from text.
#pragma once

#include "systemplay/LineScanner.h"
#include "systemplay/SystemBetCodes.h"
#include "table/BetField.h"

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace quendra {

// A number written in the item, or "CO" nn: the value of counter nn when the item is executed.
struct ItemOperand {
    std::int32_t value = 0;
    int counter = -1; // 0-99 when the operand is a counter

    bool operator==(const ItemOperand&) const = default;
};

// "EI" d "(" v ")"
struct UnitValueItem {
    int unit = 0;
    std::int32_t value = 1;

    bool operator==(const UnitValueItem&) const = default;
};

enum class StepKind { Absolute, Forward, Back };

// "EI" d "(ST" t "(" k "))", with "+" k or "-" k for the forward and back steps.
struct RiseStepItem {
    int unit = 0;
    int table = 1;
    StepKind kind = StepKind::Absolute;
    ItemOperand k;
    TextSpan token; // "ST" t, which an undefined table is blamed on

    bool operator==(const RiseStepItem&) const = default;
};

// "CO" nn "(" argument ")": set to the operand, or add ("+") or subtract ("-") it.
struct CounterItem {
    int counter = 0;
    char sign = '\0'; // '+', '-' or '\0' for an assignment
    ItemOperand operand;

    bool operator==(const CounterItem&) const = default;
};

// A bet code with its index.
struct BetItemEntry {
    BetItem bet;
    TextSpan token; // the item's text without trailing blanks

    bool operator==(const BetItemEntry&) const = default;
};

using SetItem = std::variant<UnitValueItem, RiseStepItem, CounterItem, BetItemEntry>;

// A statement line as read once for a table (a bet item's range depends on the table). A line
// has a prepared form only when it is a set statement whose text raises no message and whose
// items are all of the kinds above; every other line (conditions, STOP, RESTART, MESSAGE,
// rise-table definitions, STMAX, play tables, unit arithmetic, any line with an error in its
// text) is executed from its text.
struct PreparedStatement {
    TableType table = TableType::French;
    std::optional<std::vector<SetItem>> setItems;

    // The items to execute on the table, or none: the line is executed from its text.
    const std::vector<SetItem>* forTable(TableType on) const {
        return on == table && setItems ? &*setItems : nullptr;
    }
};

} // namespace quendra
