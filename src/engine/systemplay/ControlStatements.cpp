// The control statements STOP, RESTART and MESSAGE, with the items of a data display.
#include "systemplay/StatementRun.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"

#include <string>

namespace quendra::statements {
namespace {

constexpr std::size_t MessageItemLimit = 15;
constexpr std::string_view NoValue = "--";

std::string numberOrNone(std::optional<int> number) {
    return number ? std::to_string(*number) : std::string(NoValue);
}

std::string argumentEntry(const SystemState& state, int n) {
    const auto at = static_cast<std::size_t>(n - 1);
    const bool present = at < state.ArgumentTable.size() && !state.ArgumentTable[at].empty();
    return present ? state.ArgumentTable[at] : std::string(NoValue);
}

// "AG" "(" n ")" or "AG" "(" n ".." m ")", 1 <= n <= m <= 300.
bool argumentItem(StatementRun& run, DataDisplayItem& item) {
    LineScanner& line = run.line;
    const std::string_view keyword = line.take(2);
    if (!line.accept("(")) {
        return line.fail(SystemMessage::InvalidArgumentSyntax, keyword);
    }
    const std::string_view text = line.takeUntil(")");
    if (!line.accept(")")) {
        return line.fail(SystemMessage::InvalidArgumentSyntax, text);
    }
    const std::size_t dots = text.find("..");
    const std::string_view firstText = text.substr(0, dots);
    const std::string_view lastText =
        dots == std::string_view::npos ? firstText : text.substr(dots + 2);
    const std::optional<std::int32_t> first = toInteger(firstText);
    const std::optional<std::int32_t> last = toInteger(lastText);
    if (!first || !last) {
        return line.fail(SystemMessage::NumericExpected, first ? lastText : firstText);
    }
    if (*first < 1 || *first > *last || *last > ArgumentTableSize) {
        return line.fail(SystemMessage::ImpossibleAgValue, text);
    }
    if (dots == std::string_view::npos) {
        item.value = argumentEntry(run.state(), *first);
        return true;
    }
    item.kind = DataDisplayItem::Kind::Arguments;
    for (int n = *first; n <= *last; ++n) {
        item.entries.push_back(argumentEntry(run.state(), n));
    }
    return true;
}

// "ST" t, t 1-10: the step, and the table's value at it unless the step is 0.
bool riseTableValue(StatementRun& run, DataDisplayItem& item) {
    LineScanner& line = run.line;
    line.take(2);
    const std::string_view text = line.takeUntil(", )");
    const std::optional<std::int32_t> table = toInteger(text);
    if (!table || *table < 1 || *table > RiseTableLimit) {
        return line.fail(SystemMessage::InvalidRiseTable, text);
    }
    item.kind = DataDisplayItem::Kind::RiseTable;
    item.step = run.state().RiseStep[static_cast<std::size_t>(*table)];
    if (item.step > 0) {
        item.stake = run.state().riseValueAtStep(*table);
    }
    return true;
}

// A quoted text, up to its closing quote; items are split at commas and brackets before quotes
// are looked at, so the text ends at a comma or a closing bracket as well.
void textItem(LineScanner& line, DataDisplayItem& item) {
    line.accept("'");
    item.kind = DataDisplayItem::Kind::Text;
    item.written = line.takeUntil("',)");
    line.accept("'");
}

// One item: a quoted text, GZ, VZ, V0-V9, "CO" nn, "EI" d, "ST" t or an argument entry.
bool messageItem(StatementRun& run, DataDisplayItem& item) {
    LineScanner& line = run.line;
    if (line.peek() == '\'') {
        textItem(line, item);
        return true;
    }
    const std::string_view code = line.CurrentLine().substr(0, 2);
    if (code == "AG") {
        return argumentItem(run, item);
    }
    if (code == "ST") {
        return riseTableValue(run, item);
    }
    if (const std::optional<int> position = historyPosition(code)) {
        line.take(2);
        item.value = numberOrNone(run.context.history.numberAt(*position));
        return true;
    }
    if (code == "CO") {
        line.take(2);
        const std::optional<int> counter = line.counterNumber();
        if (counter) {
            item.value = std::to_string(run.state().Counters[static_cast<std::size_t>(*counter)]);
        }
        return counter.has_value();
    }
    if (code == "EI") {
        line.take(2);
        const std::optional<int> unit = line.unitNumber();
        if (unit) {
            item.value = std::to_string(run.state().Units[static_cast<std::size_t>(*unit)]);
        }
        return unit.has_value();
    }
    return line.fail(SystemMessage::MessageSyntax, line.takeUntil(",)"));
}

// "(" items ")", at most 15, shown while the message switch is on.
bool dataDisplay(StatementRun& run) {
    LineScanner& line = run.line;
    if (line.CurrentLine().find(')') == std::string_view::npos) {
        return line.fail(SystemMessage::RzSyntaxIncomplete, line.takeUntil(";"));
    }
    if (!run.context.MessageSwitch) {
        return true;
    }
    line.accept("(");
    DataDisplay display;
    do {
        line.skipBlanks();
        if (display.items.size() == MessageItemLimit) {
            return line.fail(SystemMessage::MessageSyntax, line.takeUntil(",)"));
        }
        const std::string_view start = line.CurrentLine();
        DataDisplayItem item;
        if (!messageItem(run, item)) {
            return false;
        }
        if (item.kind != DataDisplayItem::Kind::Text) {
            item.written = start.substr(0, start.size() - line.CurrentLine().size());
        }
        display.items.push_back(std::move(item));
        line.skipBlanks();
    } while (line.accept(","));
    if (!line.accept(")")) {
        return line.fail(SystemMessage::MessageSyntax, line.takeUntil(",)"));
    }
    run.context.events.showDataDisplay(display);
    return true;
}

} // namespace

bool stopStatement(StatementRun& run) {
    LineScanner& line = run.line;
    if (!line.accept("STOP")) {
        return line.fail(SystemMessage::IfOrSzExpected, line.takeUntil(" (;"));
    }
    run.context.events.stop();
    return true;
}

// "RESTART", or "RESTART(F" ... ")": the waiting coups count again after the restart.
bool restartStatement(StatementRun& run) {
    LineScanner& line = run.line;
    if (!line.accept("RESTART")) {
        return line.fail(SystemMessage::IfOrSzExpected, line.takeUntil(" (;"));
    }
    line.skipBlanks();
    if (line.accept("(F")) {
        line.takeUntil(")");
        line.accept(")");
        run.state().abort.WaitingActive = false;
        run.state().abort.WaitingLeft = 0;
    }
    run.context.events.restart();
    return true;
}

// "MESSAGE ON", "MESSAGE OFF" or "MESSAGE" "(" items ")".
bool messageStatement(StatementRun& run) {
    LineScanner& line = run.line;
    if (!line.accept("MESSAGE")) {
        return line.fail(SystemMessage::IfOrSzExpected, line.takeUntil(" (;"));
    }
    line.skipBlanks();
    if (line.accept("ON")) {
        run.context.MessageSwitch = true;
        return true;
    }
    if (line.accept("OFF")) {
        run.context.MessageSwitch = false;
        return true;
    }
    if (line.peek() == '(') {
        return dataDisplay(run);
    }
    return line.fail(SystemMessage::MessageSyntax, line.takeUntil(" ;"));
}

} // namespace quendra::statements
