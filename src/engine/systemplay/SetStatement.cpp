// The set statement "SZ": its list of items, the counter item and the rise-table definition.
#include "systemplay/StatementRun.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quendra::statements {
namespace {

struct ItemEntry {
    std::string_view code;
    StatementFunction execute;
};

// Any other start is a bet item.
constexpr std::array<ItemEntry, 4> Items{{
    {"CO", counterItem},
    {"EI", unitItem},
    {"ST", riseTableItem},
    {"PT", playTableItem},
}};

bool executeItem(StatementRun& run) {
    LineScanner& line = run.line;
    // A rest without brackets holds as many of each: none.
    if (!line.bracketsBalanced()) {
        return line.fail(SystemMessage::InvalidBrackets);
    }
    for (const ItemEntry& item : Items) {
        if (line.startsWith(item.code)) {
            return item.execute(run);
        }
    }
    return betItem(run);
}

bool atStatementEnd(const LineScanner& line) {
    return line.atEnd() || line.peek() == ';';
}

// Items run from the left, each ending at the next comma or at the semicolon; a comma directly
// in front of an item is skipped.
bool setItems(StatementRun& run) {
    LineScanner& line = run.line;
    for (;;) {
        line.skipBlanks();
        if (line.accept(",")) {
            line.skipBlanks();
        }
        if (atStatementEnd(line)) {
            return true;
        }
        if (!executeItem(run)) {
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
std::optional<int> counterOperand(const SystemState& state, std::string_view text) {
    if (text.starts_with("CO")) {
        const std::string_view digits = text.substr(2);
        const std::optional<std::int32_t> counter = toInteger(digits);
        if (digits.size() != 2 || !counter || *counter < 0 || *counter >= CounterCount) {
            return std::nullopt;
        }
        return state.Counters[static_cast<std::size_t>(*counter)];
    }
    const std::optional<std::int32_t> value = toInteger(text);
    if (!value || *value < 0 || *value > CounterMaximum) {
        return std::nullopt;
    }
    return *value;
}

} // namespace

bool setStatement(StatementRun& run) {
    if (!beginNested(run)) {
        return false;
    }
    run.line.take(2);
    return setItems(run);
}

void assignCounter(StatementRun& run, int counter, int value) {
    const auto slot = static_cast<std::size_t>(counter);
    run.state().Counters[slot] = value;
    if (run.context.settingStartValues) {
        run.state().CounterStart[slot] = static_cast<std::uint8_t>(value & 0xFF);
    }
}

// "CO" nn "(" argument ")": v, "+"v, "-"v, "CO" mm, "+CO" mm or "-CO" mm.
bool counterItem(StatementRun& run) {
    LineScanner& line = run.line;
    line.take(2);
    const std::optional<int> counter = line.counterNumber();
    if (!counter) {
        return false;
    }
    if (!line.accept("(")) {
        return line.fail(SystemMessage::InvalidCounterSyntax, line.take(1));
    }
    const std::string_view argument = line.takeUntil(")");
    line.accept(")");
    const char sign = argument.empty() ? '\0' : argument.front();
    const bool relative = sign == '+' || sign == '-';
    const std::optional<int> operand =
        counterOperand(run.state(), relative ? argument.substr(1) : argument);
    if (!operand) {
        return line.fail(SystemMessage::InvalidCounterValue, argument);
    }
    if (!relative) {
        assignCounter(run, *counter, *operand);
        return true;
    }
    std::int32_t& value = run.state().Counters[static_cast<std::size_t>(*counter)];
    value = std::clamp(sign == '+' ? value + *operand : value - *operand, 0, CounterMaximum);
    return true;
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
