// The conditional statement "IF": counter, rise-table and field tests, chained by "AND" and
// leading by "THEN" to the action.
#include "systemplay/StatementRun.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"

#include <algorithm>
#include <array>
#include <string>

namespace quendra::statements {
namespace {

std::string withoutBlanks(std::string_view text) {
    std::string kept(text);
    std::erase_if(kept, [](char c) { return c == ' '; });
    return kept;
}

// The word after a counter or rise-table test, read up to the next blank.
std::string_view testWord(LineScanner& line) {
    line.skipBlanks();
    return line.takeUntil(" ");
}

// After a counter or rise-table test the rest of the line is executed as a statement: after
// "AND" a further condition, after "THEN" any statement.
bool continueAfterTest(StatementRun& run, std::string_view word) {
    if (word == "AND") {
        return followConnection(run, Connection::And);
    }
    run.line.skipBlanks();
    return executeStatement(run);
}

// Longer operators first, so that "<=" is not read as "<".
constexpr std::array<ComparisonToken, 5> CounterComparisons{{
    {"<>", Comparison::Unequal},
    {"<=", Comparison::LessEqual},
    {">=", Comparison::GreaterEqual},
    {"<", Comparison::Less},
    {">", Comparison::Greater},
}};

// The counter test between the brackets: k, "<" k, "<=" k, ">" k, ">=" k or "<>" k, where k
// is a number or "CO" mm. None, with the message raised, when it is not one of these.
std::optional<bool> counterTestHolds(StatementRun& run, int value, std::string_view test) {
    Comparison comparison = Comparison::Equal;
    std::string_view operand = test;
    for (const ComparisonToken& token : CounterComparisons) {
        if (test.starts_with(token.text)) {
            comparison = token.comparison;
            operand.remove_prefix(token.text.size());
            break;
        }
    }
    std::optional<std::int32_t> k;
    if (operand.starts_with("CO")) {
        const std::string_view digits = operand.substr(2);
        const std::optional<int> counter = counterIndex(digits);
        if (!counter) {
            run.line.fail(SystemMessage::InvalidCounter, digits);
            return std::nullopt;
        }
        k = run.state().Counters[static_cast<std::size_t>(*counter)];
    } else {
        k = toInteger(operand);
    }
    if (!k) {
        run.line.fail(SystemMessage::InvalidCounterValue, test);
        return std::nullopt;
    }
    return compare(comparison, value, *k);
}

// "CO" nn "(" test ")".
bool counterTest(StatementRun& run) {
    LineScanner& line = run.line;
    line.take(2);
    const std::string_view numberText = line.takeUntil("(");
    const std::string digits = withoutBlanks(numberText);
    const std::optional<int> counter = counterIndex(digits);
    if (!counter) {
        return line.fail(SystemMessage::InvalidCounter, numberText);
    }
    line.accept("(");
    const std::string_view test = line.takeUntil(")");
    if (!line.accept(")")) {
        return line.fail(SystemMessage::InvalidCounterValue, test);
    }
    const int value = run.state().Counters[static_cast<std::size_t>(*counter)];
    const std::optional<bool> holds = counterTestHolds(run, value, test);
    if (!holds) {
        return false;
    }
    const std::string_view word = testWord(line);
    if (word != "AND" && word != "THEN") {
        return line.fail(SystemMessage::InvalidIfSyntax, word);
    }
    return *holds && continueAfterTest(run, word);
}

// "ST" t "(" k ")": the step of rise table t (1-10) is k.
bool riseTableTest(StatementRun& run) {
    LineScanner& line = run.line;
    line.take(2);
    const std::string_view tableText = line.takeUntil("(");
    const std::optional<std::int32_t> table = toInteger(withoutBlanks(tableText));
    if (!table || *table < 1 || *table > RiseTableLimit) {
        return line.fail(SystemMessage::InvalidRiseTable, tableText);
    }
    line.accept("(");
    const std::string_view stepText = line.takeUntil(")");
    line.accept(")");
    const std::optional<std::int32_t> step = toInteger(stepText);
    if (!step) {
        return line.fail(SystemMessage::ImpossibleCheckValue, stepText);
    }
    const std::string_view word = testWord(line);
    if (word != "AND" && word != "THEN") {
        return line.fail(SystemMessage::InvalidIfAction, word);
    }
    const bool holds = run.state().RiseStep[static_cast<std::size_t>(*table)] == *step;
    return holds && continueAfterTest(run, word);
}

// The message for a history entry that holds no coup yet: 19 GZ, 20 VZ, 37-46 V0-V9.
int emptyHistoryMessage(int position) {
    if (position <= 2) {
        return position == 1 ? SystemMessage::CheckOnGzImpossible
                             : SystemMessage::CheckOnVzImpossible;
    }
    return SystemMessage::CheckOnV0Impossible + position - 3;
}

// h "IN" target, or h "NOT" "IN" target, with h one of GZ, VZ, V0-V9.
bool fieldTest(StatementRun& run, int position) {
    LineScanner& line = run.line;
    const std::string_view operand = line.take(2);
    line.skipBlanks();
    const bool negated = line.accept("NOT");
    line.skipBlanks();
    if (!line.accept("IN")) {
        return line.fail(SystemMessage::InvalidIfSyntax, line.takeUntil(" ;"));
    }
    const std::optional<BetItem> target = fieldTarget(run);
    if (!target) {
        return false;
    }
    const std::optional<Connection> next = connection(run);
    if (!next) {
        return false;
    }
    const std::optional<int> number = run.context.history.numberAt(position);
    if (!number) {
        return line.fail(emptyHistoryMessage(position), operand);
    }
    const bool holds = numberInField(run.context.table, *target, *number) != negated;
    return holds && followConnection(run, *next);
}

// "AG" "(" n ")": the n-th bet item of the previous coup.
std::optional<BetItem> argumentTarget(StatementRun& run) {
    LineScanner& line = run.line;
    const std::string_view keyword = line.take(2);
    if (!line.accept("(")) {
        line.fail(SystemMessage::InvalidArgumentSyntax, keyword);
        return std::nullopt;
    }
    const std::string_view text = line.takeUntil(")");
    if (!line.accept(")")) {
        line.fail(SystemMessage::InvalidArgumentSyntax, text);
        return std::nullopt;
    }
    const std::optional<std::int32_t> n = toInteger(text);
    if (!n) {
        line.fail(SystemMessage::NumericExpected, text);
        return std::nullopt;
    }
    if (*n < 1 || *n > ArgumentTableSize) {
        line.fail(SystemMessage::ImpossibleAgValue, text);
        return std::nullopt;
    }
    const std::vector<ActionText>& arguments = run.state().ArgumentTable;
    const auto at = static_cast<std::size_t>(*n - 1);
    const ActionText entry = at < arguments.size() ? arguments[at] : ActionText{};
    const BetItemParse parsed =
        parseBetItem(entry, run.context.table.type(), IndexWidth::TwoCharacters);
    if (!parsed.item) {
        line.fail(SystemMessage::InvalidArgumentEntry, text);
    }
    return parsed.item;
}

// A tested number exists on the table: "PL37" names the double zero, which the French table
// lacks. (A bet on it is refused as absent instead, with its own message.)
bool testIndexInRange(BetCode code, int index, TableType table) {
    const int last = code == BetCode::PL ? highestNumber(table) : lastBetIndex(code, table);
    return index >= firstBetIndex(code) && index <= last;
}

} // namespace

bool compare(Comparison comparison, int value, int k) {
    switch (comparison) {
    case Comparison::Less:
        return value < k;
    case Comparison::LessEqual:
        return value <= k;
    case Comparison::Greater:
        return value > k;
    case Comparison::GreaterEqual:
        return value >= k;
    case Comparison::Unequal:
        return value != k;
    default:
        return value == k;
    }
}

std::optional<BetItem> fieldTarget(StatementRun& run) {
    LineScanner& line = run.line;
    line.skipBlanks();
    if (line.startsWith("AG")) {
        return argumentTarget(run);
    }
    const std::string_view codeText = line.take(2);
    const std::optional<BetCode> code = betCodeFromText(codeText);
    if (codeText.size() != 2 || !code) {
        line.fail(SystemMessage::ImpossibleCheckValue, codeText);
        return std::nullopt;
    }
    if (isSector(*code)) {
        return BetItem{*code, 0};
    }
    const std::string_view indexText = line.take(2);
    const std::optional<std::int32_t> index = toInteger(indexText);
    if (indexText.size() != 2 || !index) {
        line.fail(SystemMessage::NumericExpected, indexText);
        return std::nullopt;
    }
    if (!testIndexInRange(*code, *index, run.context.table.type())) {
        line.fail(SystemMessage::ImpossibleCheckValue, indexText);
        return std::nullopt;
    }
    return BetItem{*code, *index};
}

std::optional<Connection> connection(StatementRun& run) {
    LineScanner& line = run.line;
    line.skipBlanks();
    if (line.accept("AND")) {
        return Connection::And;
    }
    if (line.accept("THEN")) {
        return Connection::Then;
    }
    line.fail(SystemMessage::InvalidIfSyntax, line.takeUntil(" ;"));
    return std::nullopt;
}

bool followConnection(StatementRun& run, Connection next) {
    LineScanner& line = run.line;
    line.skipBlanks();
    if (next == Connection::And) {
        if (!line.startsWith("IF")) {
            return line.fail(SystemMessage::IfActionExpected, line.takeUntil(" ;"));
        }
        return ifStatement(run);
    }
    if (line.startsWith("SZ")) {
        return setStatement(run);
    }
    if (line.startsWith("STOP")) {
        return stopStatement(run);
    }
    if (line.startsWith("RESTART")) {
        return restartStatement(run);
    }
    if (line.startsWith("MESSAGE")) {
        return messageStatement(run);
    }
    return line.fail(SystemMessage::ActionExpected, line.takeUntil(" ;"));
}

bool ifStatement(StatementRun& run) {
    if (!beginNested(run)) {
        return false;
    }
    LineScanner& line = run.line;
    line.take(2);
    line.skipBlanks();
    const std::string_view code = line.CurrentLine().substr(0, 2);
    if (code == "CO") {
        return counterTest(run);
    }
    if (code == "ST") {
        return riseTableTest(run);
    }
    if (code == "RZ" || code == "UZ") {
        line.take(2);
        return statisticsFunction(run, code == "UZ");
    }
    if (const std::optional<int> position = historyPosition(code)) {
        return fieldTest(run, *position);
    }
    return line.fail(SystemMessage::ImpossibleCheckValue, code);
}

} // namespace quendra::statements
