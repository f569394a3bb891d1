// The unit item "EI" d: a unit value, a rise-table step, or unit arithmetic with MAX and THEN.
#include "systemplay/StatementRun.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"

#include <algorithm>
#include <cstdint>

namespace quendra::statements {
namespace {

// A unit's value stays below this without a MAX limit.
constexpr std::int64_t UnitCeiling = 15000;

void setUnit(StatementRun& run, int unit, std::int64_t value) {
    const auto v = static_cast<std::int32_t>(value);
    run.state().Units[static_cast<std::size_t>(unit)] = v;
    run.state().StakeUnit = v;
}

// "(" v ")" with v at least 1, after the "(".
std::optional<SetItem> readUnitValue(LineScanner& line, int unit) {
    const std::string_view text = line.takeUntil(")");
    const std::optional<std::int32_t> value = toInteger(text);
    if (!value) {
        line.fail(SystemMessage::NumericExpected, text);
        return std::nullopt;
    }
    if (*value < 1) {
        line.fail(SystemMessage::InvalidUnitValue, text);
        return std::nullopt;
    }
    line.accept(")");
    return UnitValueItem{unit, *value};
}

// The step operand k: a number, or "CO" nn for the value of counter nn.
std::optional<ItemOperand> readStepOperand(LineScanner& line, std::string_view text) {
    if (text.starts_with("CO")) {
        const std::string_view digits = text.substr(2);
        const std::optional<int> counter = counterIndex(digits);
        if (!counter) {
            line.fail(SystemMessage::InvalidCounter, digits);
            return std::nullopt;
        }
        return ItemOperand{0, *counter};
    }
    const std::optional<std::int32_t> value = toInteger(text);
    if (!value) {
        line.fail(SystemMessage::NumericExpected, text);
        return std::nullopt;
    }
    return ItemOperand{*value};
}

// Moves the table's step; false when the statement ends here. A step of k below 1 moves
// nothing. Only the absolute form needs a defined table: a forward step on an undefined one
// passes its maximum, a back step lands on step 1.
bool moveStep(StatementRun& run, int table, StepKind kind, int k, std::string_view token) {
    SystemState& state = run.state();
    const auto t = static_cast<std::size_t>(table);
    const int length = state.RiseLength[t];
    const int step = state.RiseStep[t];
    if (kind == StepKind::Absolute) {
        state.RiseStep[t] = static_cast<std::uint8_t>(std::min(k, length));
        if (run.context.settingStartValues) {
            state.RiseStartStep[t] = state.RiseStep[t];
        }
        // An undefined table has no value a unit could take.
        if (state.RiseStep[t] == 0) {
            return run.line.fail(SystemMessage::InvalidRiseTable, token);
        }
    } else if (kind == StepKind::Back) {
        state.RiseStep[t] = static_cast<std::uint8_t>(step > k ? step - k : 1);
    } else if (std::int64_t{step} + k <= length) {
        state.RiseStep[t] = static_cast<std::uint8_t>(step + k);
    } else {
        switch (run.context.events.riseMaximum(table)) {
        case RiseMaximumOutcome::KeepTopStep:
            state.RiseStep[t] = static_cast<std::uint8_t>(length);
            break;
        case RiseMaximumOutcome::StepSetByEvent:
            break;
        case RiseMaximumOutcome::SystemStopped:
            return false;
        }
    }
    return true;
}

// "ST" t "(" k "))", "ST" t "(+" k "))" or "ST" t "(-" k "))", after the "(".
std::optional<SetItem> readRiseStep(LineScanner& line, int unit) {
    const std::string_view tableToken = line.take(2);
    const std::optional<int> table = line.riseTableDigit();
    if (!table) {
        return std::nullopt;
    }
    if (!line.accept("(")) {
        line.fail(SystemMessage::InvalidUnitSyntax, line.take(1));
        return std::nullopt;
    }
    StepKind kind = StepKind::Absolute;
    if (line.accept("+")) {
        kind = StepKind::Forward;
    } else if (line.accept("-")) {
        kind = StepKind::Back;
    }
    const std::optional<ItemOperand> k = readStepOperand(line, line.takeUntil(")"));
    if (!k) {
        return std::nullopt;
    }
    if (!line.accept("))")) {
        line.fail(SystemMessage::InvalidUnitSyntax, line.takeUntil(",;"));
        return std::nullopt;
    }
    const std::string_view token(tableToken.data(), 3);
    return RiseStepItem{unit, *table, kind, *k, line.spanOf(token)};
}

// "EI" d and the blanks after it.
std::optional<int> readUnitHead(LineScanner& line) {
    line.take(2);
    const std::optional<int> unit = line.unitNumber();
    if (unit) {
        line.skipBlanks();
    }
    return unit;
}

// After "EI" d "(": a rise step or a unit value.
std::optional<SetItem> readUnitBracket(LineScanner& line, int unit) {
    return line.startsWith("ST") ? readRiseStep(line, unit) : readUnitValue(line, unit);
}

// The operand of unit arithmetic: read up to the first blank, or else up to the semicolon.
std::optional<std::int64_t> arithmeticOperand(LineScanner& line) {
    const std::string_view rest = line.CurrentLine();
    const std::string_view word = rest.substr(0, rest.find(' '));
    if (const std::optional<std::int32_t> k = toInteger(word)) {
        line.take(word.size());
        return *k;
    }
    const std::string_view statement = line.takeUntil(";");
    if (const std::optional<std::int32_t> k = toInteger(statement)) {
        return *k;
    }
    line.fail(SystemMessage::NumericExpected, statement);
    return std::nullopt;
}

// "MAX" m: the digits after the word, blanks skipped, up to the first non-digit.
std::optional<std::int64_t> arithmeticLimit(LineScanner& line) {
    line.skipBlanks();
    if (!line.accept("MAX")) {
        return std::nullopt;
    }
    line.skipBlanks();
    const std::string_view rest = line.CurrentLine();
    const std::string_view digits =
        line.take(std::min(rest.find_first_not_of("0123456789"), rest.size()));
    return leadingInteger(digits);
}

struct Arithmetic {
    std::int64_t result = 0;  // the new value of the unit when it may change
    bool beyondLimit = false; // MAX is exceeded: the THEN action, or the fallback below
    std::optional<std::int64_t> fallback;
};

// The four operations; a decreasing one never takes the unit below 1.
Arithmetic calculate(char operation, std::int64_t unit, std::int64_t k,
                     std::optional<std::int64_t> limit) {
    Arithmetic a;
    switch (operation) {
    case '*':
    case '+':
        a.result = operation == '*' ? unit * k : unit + k;
        a.beyondLimit = limit ? a.result > *limit : a.result >= UnitCeiling;
        break;
    default: {
        const std::int64_t exact = operation == '/' ? unit / k : unit - k;
        a.beyondLimit = limit && exact < *limit;
        a.result = std::max<std::int64_t>(exact, 1);
        if (limit) {
            a.fallback = std::max<std::int64_t>(*limit, 1);
        }
        break;
    }
    }
    return a;
}

// "*" k, "/" k, "+" k or "-" k, optionally "MAX" m and "THEN SZ" items. The item ends its
// statement: whatever follows, other than MAX and THEN, is not executed. An operand below 1
// raises 23: it would give a unit below 1, or divide by 0.
bool unitArithmetic(StatementRun& run, int unit) {
    LineScanner& line = run.line;
    const char operation = line.take(1).front();
    const std::string_view operandStart = line.CurrentLine();
    const std::optional<std::int64_t> k = arithmeticOperand(line);
    if (!k) {
        return false;
    }
    if (*k < 1) {
        return line.fail(SystemMessage::InvalidUnitValue,
                         operandStart.substr(0, operandStart.size() - line.CurrentLine().size()));
    }
    const std::optional<std::int64_t> limit = arithmeticLimit(line);
    const std::int64_t value = run.state().Units[static_cast<std::size_t>(unit)];
    const Arithmetic a = calculate(operation, value, *k, limit);
    if (!a.beyondLimit) {
        if (a.result != value) {
            setUnit(run, unit, a.result);
        }
    } else if (limit) {
        line.skipBlanks();
        if (line.accept("THEN")) {
            line.skipBlanks();
            if (!line.startsWith("SZ")) {
                return line.fail(SystemMessage::ActionExpected, line.takeUntil(" ;"));
            }
            return setStatement(run);
        }
        if (a.fallback && *a.fallback != value) {
            setUnit(run, unit, *a.fallback);
        }
    }
    line.take(line.CurrentLine().size());
    return true;
}

} // namespace

bool applyUnitValue(StatementRun& run, const UnitValueItem& item) {
    setUnit(run, item.unit, item.value);
    return true;
}

// The table's step moves, and the unit and the stake unit take the table's value at its new
// step.
bool applyRiseStep(StatementRun& run, const RiseStepItem& item) {
    const int k = operandValue(run.state(), item.k);
    if (k < 1) {
        return true;
    }
    if (!moveStep(run, item.table, item.kind, k, run.line.text(item.token))) {
        return false;
    }
    // A table put back to a start step that was never set has no value to give.
    if (const int value = run.state().riseValueAtStep(item.table); value > 0) {
        setUnit(run, item.unit, value);
    }
    run.state().CurrentTable = static_cast<std::uint8_t>(item.table);
    return true;
}

std::optional<SetItem> prepareUnitItem(LineScanner& line, TableType) {
    const std::optional<int> unit = readUnitHead(line);
    if (!unit || !line.accept("(")) {
        return std::nullopt; // unit arithmetic is executed from its text
    }
    return readUnitBracket(line, *unit);
}

bool unitItem(StatementRun& run) {
    LineScanner& line = run.line;
    const std::optional<int> unit = readUnitHead(line);
    if (!unit) {
        return false;
    }
    if (line.accept("(")) {
        const std::optional<SetItem> item = readUnitBracket(line, *unit);
        return item && applySetItem(run, *item);
    }
    const char next = line.peek();
    if (next == '*' || next == '/' || next == '+' || next == '-') {
        return unitArithmetic(run, *unit);
    }
    return line.fail(SystemMessage::InvalidUnitSyntax, line.takeUntil(",;"));
}

} // namespace quendra::statements
