// Play-table items: bet items kept in a list from coup to coup, edited and executed by "PT" n.
#include "systemplay/StatementRun.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"

namespace quendra::statements {
namespace {

// Entries are validated when they are appended, so they always read back; the table type is
// judged when they are placed.
bool executeEntry(StatementRun& run, const ActionText& entry, std::string_view token) {
    const BetItemParse parsed =
        parseBetItem(entry, run.context.table.type(), IndexWidth::TwoCharacters);
    if (!parsed.item) {
        return run.line.fail(parsed.error, token);
    }
    return placeBet(run, *parsed.item, token);
}

// "(" bet ")": validated as a bet item whose index is exactly two characters.
bool appendEntry(StatementRun& run, std::vector<ActionText>& entries, std::string_view text) {
    const BetItemParse parsed =
        parseBetItem(text, run.context.table.type(), IndexWidth::TwoCharacters);
    if (!parsed.item) {
        return run.line.fail(parsed.error, parsed.token);
    }
    if (!isSector(parsed.item->code) && !betOnTable(*parsed.item, run.context.table.type())) {
        return run.line.fail(SystemMessage::NotOnThisTable, text);
    }
    entries.push_back(actionText(*parsed.item));
    return true;
}

// "(C)", "(D)", "(A)", "(" k ")" or "(" bet ")" after "PT" n.
bool bracketForm(StatementRun& run, std::vector<ActionText>& entries, std::string_view item) {
    LineScanner& line = run.line;
    line.accept("(");
    const std::string_view content = line.takeUntil(")");
    line.accept(")");
    if (content == "C") {
        entries.clear();
    } else if (content == "D") {
        if (!entries.empty()) {
            entries.pop_back();
        }
    } else if (content == "A") {
        if (!entries.empty()) {
            entries.erase(entries.begin());
        }
    } else if (const std::optional<std::int32_t> k = toInteger(content)) {
        if (*k < 1) {
            return line.fail(SystemMessage::PtSyntax, content);
        }
        if (static_cast<std::size_t>(*k) <= entries.size()) {
            const ActionText entry = entries[static_cast<std::size_t>(*k - 1)];
            return executeEntry(run, entry, item);
        }
    } else {
        return appendEntry(run, entries, content);
    }
    return true;
}

} // namespace

// "PT" n with a bracket form, or "PT" n alone: every entry, first to last, as a bet item. The
// number ends at the bracket, or at the first blank, comma or semicolon; so "PT1, EC01" and
// "PT1; (* ... *)" read table 1.
bool playTableItem(StatementRun& run) {
    LineScanner& line = run.line;
    const std::string_view start = line.CurrentLine();
    line.take(2);
    const std::string_view numberText = line.takeUntil("( ,;");
    if (line.atEnd()) {
        return line.fail(SystemMessage::PtSyntax, numberText);
    }
    const std::optional<std::int32_t> number = toInteger(numberText);
    if (!number || *number < 1 || *number > PlayTableCount) {
        return line.fail(SystemMessage::InvalidPlayTable, numberText);
    }
    std::vector<ActionText>& entries = run.state().PlayTables[static_cast<std::size_t>(*number)];
    const std::string_view rest = line.CurrentLine();
    const std::size_t taken = start.size() - rest.size();
    if (line.peek() == '(') {
        const std::size_t close = rest.find(')');
        const std::size_t bracket = close == std::string_view::npos ? rest.size() : close + 1;
        return bracketForm(run, entries, start.substr(0, taken + bracket));
    }
    const std::string_view item = start.substr(0, taken);
    for (const ActionText& entry : entries) {
        if (!executeEntry(run, entry, item)) {
            return false;
        }
    }
    return true;
}

} // namespace quendra::statements
