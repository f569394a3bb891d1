// The set statement "SZ": its list of items, the counter item and the rise-table definition.
#include "systemplay/StatementRun.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"

#include <algorithm>
#include <array>
#include <variant>
#include <vector>

namespace quendra::statements {
namespace {

// Reads an item for a prepared set statement: none for an item that is executed only from its
// text, and for one whose text raises a message.
using PrepareFunction = std::optional<SetItem> (*)(LineScanner&, TableType);

struct ItemEntry {
    std::string_view code;
    StatementFunction execute;
    PrepareFunction prepare;
};

// Any other start is a bet item.
constexpr std::array<ItemEntry, 4> Items{{
    {"CO", counterItem, prepareCounterItem},
    {"EI", unitItem, prepareUnitItem},
    {"ST", riseTableItem, nullptr},
    {"PT", playTableItem, nullptr},
}};
constexpr ItemEntry BetEntry{"", betItem, prepareBetItem};

const ItemEntry& itemAt(const LineScanner& line) {
    for (const ItemEntry& item : Items) {
        if (line.startsWith(item.code)) {
            return item;
        }
    }
    return BetEntry;
}

bool atStatementEnd(const LineScanner& line) {
    return line.atEnd() || line.peek() == ';';
}

// Items run from the left, each ending at the next comma or at the semicolon; a comma directly
// in front of an item is skipped. `item` reads (and executes, or keeps) the item at the cursor.
template <class ItemAction>
bool forEachItem(LineScanner& line, ItemAction item) {
    for (;;) {
        line.skipBlanks();
        if (line.accept(",")) {
            line.skipBlanks();
        }
        if (atStatementEnd(line)) {
            return true;
        }
        // A rest without brackets holds as many of each: none.
        if (!line.bracketsBalanced()) {
            return line.fail(SystemMessage::InvalidBrackets);
        }
        if (!item(itemAt(line))) {
            return false;
        }
        line.skipBlanks();
        if (atStatementEnd(line)) {
            return true;
        }
        if (line.peek() != ',') {
            return line.fail(SystemMessage::CommaOrSemicolonExpected, line.takeUntil(",;"));
        }
    }
}

// A counter argument's operand: a value 0-255, or "CO" mm (the value of counter mm).
std::optional<ItemOperand> readCounterOperand(std::string_view text) {
    if (text.starts_with("CO")) {
        const std::optional<int> counter = counterIndex(text.substr(2));
        if (!counter) {
            return std::nullopt;
        }
        return ItemOperand{0, *counter};
    }
    const std::optional<std::int32_t> value = toInteger(text);
    if (!value || *value < 0 || *value > CounterMaximum) {
        return std::nullopt;
    }
    return ItemOperand{*value};
}

} // namespace

// "CO" nn "(" argument ")": v, "+"v, "-"v, "CO" mm, "+CO" mm or "-CO" mm.
std::optional<SetItem> prepareCounterItem(LineScanner& line, TableType) {
    line.take(2);
    const std::optional<int> counter = line.counterNumber();
    if (!counter) {
        return std::nullopt;
    }
    if (!line.accept("(")) {
        line.fail(SystemMessage::InvalidCounterSyntax, line.take(1));
        return std::nullopt;
    }
    const std::string_view argument = line.takeUntil(")");
    line.accept(")");
    const char sign = argument.empty() ? '\0' : argument.front();
    const bool relative = sign == '+' || sign == '-';
    const std::optional<ItemOperand> operand =
        readCounterOperand(relative ? argument.substr(1) : argument);
    if (!operand) {
        line.fail(SystemMessage::InvalidCounterValue, argument);
        return std::nullopt;
    }
    return CounterItem{*counter, relative ? sign : '\0', *operand};
}

namespace {

bool applyCounter(StatementRun& run, const CounterItem& item) {
    const int operand = operandValue(run.state(), item.operand);
    if (item.sign == '\0') {
        assignCounter(run, item.counter, operand);
        return true;
    }
    std::int32_t& value = run.state().Counters[static_cast<std::size_t>(item.counter)];
    value = std::clamp(item.sign == '+' ? value + operand : value - operand, 0, CounterMaximum);
    return true;
}

template <class... Functions>
struct Overloaded : Functions... {
    using Functions::operator()...;
};
template <class... Functions>
Overloaded(Functions...) -> Overloaded<Functions...>;

} // namespace

std::optional<int> counterIndex(std::string_view digits) {
    const std::optional<std::int32_t> counter = toInteger(digits);
    if (digits.size() != 2 || !counter || *counter < 0 || *counter >= CounterCount) {
        return std::nullopt;
    }
    return *counter;
}

int operandValue(const SystemState& state, ItemOperand operand) {
    return operand.counter >= 0 ? state.Counters[static_cast<std::size_t>(operand.counter)]
                                : operand.value;
}

bool applySetItem(StatementRun& run, const SetItem& item) {
    return std::visit(Overloaded{
                          [&run](const UnitValueItem& unit) { return applyUnitValue(run, unit); },
                          [&run](const RiseStepItem& step) { return applyRiseStep(run, step); },
                          [&run](const CounterItem& counter) { return applyCounter(run, counter); },
                          [&run](const BetItemEntry& bet) { return applyBet(run, bet); },
                      },
                      item);
}

bool setStatement(StatementRun& run) {
    if (!beginNested(run)) {
        return false;
    }
    run.line.take(2);
    return forEachItem(run.line, [&run](const ItemEntry& item) { return item.execute(run); });
}

bool executePreparedSet(StatementRun& run, const std::vector<SetItem>& items) {
    if (!beginNested(run)) {
        return false;
    }
    for (const SetItem& item : items) {
        if (!applySetItem(run, item)) {
            return false;
        }
    }
    return true;
}

std::optional<std::vector<SetItem>> prepareSetStatement(std::string_view text, TableType table) {
    LineScanner line(text, 0);
    line.skipBlanks();
    if (!line.accept("SZ")) {
        return std::nullopt;
    }
    std::vector<SetItem> items;
    const bool read = forEachItem(line, [&](const ItemEntry& entry) {
        std::optional<SetItem> item = entry.prepare ? entry.prepare(line, table) : std::nullopt;
        if (item) {
            items.push_back(*item);
        }
        return item.has_value();
    });
    if (!read || line.error()) {
        return std::nullopt;
    }
    items.shrink_to_fit(); // kept for every line of the file, however long it is
    return items;
}

void assignCounter(StatementRun& run, int counter, int value) {
    const auto slot = static_cast<std::size_t>(counter);
    run.state().Counters[slot] = value;
    if (run.context.settingStartValues) {
        run.state().CounterStart[slot] = static_cast<std::uint8_t>(value & 0xFF);
    }
}

bool counterItem(StatementRun& run) {
    const std::optional<SetItem> item = prepareCounterItem(run.line, run.context.table.type());
    return item && applySetItem(run, *item);
}

bool riseTableItem(StatementRun& run) {
    if (run.line.startsWith("STMAX")) {
        return stmaxItem(run);
    }
    LineScanner& line = run.line;
    line.take(2);
    const std::string_view tableText = line.takeUntil("(,;");
    if (line.peek() != '(') {
        return line.fail(SystemMessage::InvalidRiseSyntax, tableText);
    }
    const std::optional<std::int32_t> table = toInteger(tableText);
    if (!table || *table < 1 || *table > RiseTableCount) {
        return line.fail(SystemMessage::InvalidRiseTable, tableText);
    }
    line.accept("(");
    const std::string_view inside = line.takeUntil(")");
    if (inside.find(',') == std::string_view::npos) {
        return line.fail(SystemMessage::TooFewRiseValues, inside);
    }
    std::vector<std::uint8_t> values;
    std::string_view rest = inside;
    for (;;) {
        const std::size_t comma = rest.find(',');
        const std::string_view text = rest.substr(0, comma);
        if (values.size() == RiseStepCount) {
            return line.fail(SystemMessage::TooManyRiseValues, text);
        }
        const std::optional<std::int32_t> value = toInteger(text);
        if (!value || *value < 1 || *value > RiseValueMaximum) {
            return line.fail(SystemMessage::InvalidRiseValue, text);
        }
        values.push_back(static_cast<std::uint8_t>(*value));
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    line.accept(")");
    const auto t = static_cast<std::size_t>(*table);
    std::copy(values.begin(), values.end(), run.state().RiseValues[t].begin() + 1);
    run.state().RiseLength[t] = static_cast<std::uint8_t>(values.size());
    return true;
}

} // namespace quendra::statements
