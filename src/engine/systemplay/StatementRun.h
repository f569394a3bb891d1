// The parts of the interpreter that statement and item functions share: one statement's run
// over its line, and the functions one statement hands on to another. Used only inside the
// interpreter.
#pragma once

#include "systemplay/LineScanner.h"
#include "systemplay/PreparedStatement.h"
#include "systemplay/SystemBetCodes.h"
#include "systemplay/SystemContext.h"

#include <optional>
#include <string_view>
#include <vector>

namespace quendra::statements {

struct StatementRun {
    SystemContext& context;
    LineScanner& line;
    // Conditions and set statements begun on this line. Chains of "AND IF" and of "THEN SZ"
    // nest, so a limit keeps an absurd line from exhausting the stack.
    int nested = 0;

    SystemState& state() { return context.state; }
};

// A 255-character line holds fewer than 20 conditions; this is far beyond any real line.
inline constexpr int NestingLimit = 100;
// Counts a condition or set statement begun; beyond the limit raises 21 at its keyword.
bool beginNested(StatementRun& run);

// Every statement and item function returns false when the statement ends early: at an error
// (raised through the line's funnel), at a false condition, or when the system was stopped.
using StatementFunction = bool (*)(StatementRun&);

// A statement by its first two characters: SZ, IF, STOP, RESTART or MESSAGE.
bool executeStatement(StatementRun& run);

// Set statement: "SZ" followed by its items, each executed from the left.
bool setStatement(StatementRun& run);
bool counterItem(StatementRun& run);
bool unitItem(StatementRun& run);
bool riseTableItem(StatementRun& run); // STMAX or a rise-table definition
bool stmaxItem(StatementRun& run);
bool playTableItem(StatementRun& run);
bool betItem(StatementRun& run);

// The items that can be read once (see PreparedStatement): each `prepare…` function reads its
// item at the cursor, raising the text's message through the line and giving none; `apply…`
// executes an item read before. Executed from text, an item is read and applied at once.
std::optional<SetItem> prepareCounterItem(LineScanner& line, TableType table);
std::optional<SetItem> prepareUnitItem(LineScanner& line, TableType table);
std::optional<SetItem> prepareBetItem(LineScanner& line, TableType table);
bool applySetItem(StatementRun& run, const SetItem& item);
bool applyUnitValue(StatementRun& run, const UnitValueItem& item);
bool applyRiseStep(StatementRun& run, const RiseStepItem& item);
bool applyBet(StatementRun& run, const BetItemEntry& entry);
// The counter "nn" names: exactly two characters, 00-99.
std::optional<int> counterIndex(std::string_view digits);
// An operand's value now.
int operandValue(const SystemState& state, ItemOperand operand);

// A set statement's items read once, or none when the line has no prepared form for the table.
std::optional<std::vector<SetItem>> prepareSetStatement(std::string_view text, TableType table);
// Executes a prepared set statement: its items from the left, as `setStatement` executes them.
bool executePreparedSet(StatementRun& run, const std::vector<SetItem>& items);

// Places a bet: the stake unit (warning 15 when none was set), the bet list and its total, and
// the record in `CurrentActions`. `token` is the text the bet came from, for the error funnel.
bool placeBet(StatementRun& run, BetItem item, std::string_view token);
// Counter := value, in the start section its start value as well.
void assignCounter(StatementRun& run, int counter, int value);

enum class Comparison { Equal, Less, LessEqual, Greater, GreaterEqual, Unequal };
// value (comparison) k.
bool compare(Comparison comparison, int value, int k);

// A comparison operator as written in a system line.
struct ComparisonToken {
    std::string_view text;
    Comparison comparison;
};

// Conditional statement: "IF" followed by a condition.
bool ifStatement(StatementRun& run);
// RZ (plain or choosing with H and N) and UZ, after their two letters.
bool statisticsFunction(StatementRun& run, bool search);

// What a field test and a plain RZ test: a bet code with a two-digit index, a sector code, or
// an argument-table entry "AG(n)".
std::optional<BetItem> fieldTarget(StatementRun& run);
enum class Connection { And, Then };
// "AND" or "THEN" after a field test (else message 21).
std::optional<Connection> connection(StatementRun& run);
// After "AND" a further "IF" condition (else 25); after "THEN" the action: a set statement,
// STOP, RESTART or MESSAGE (else 26).
bool followConnection(StatementRun& run, Connection connection);

bool stopStatement(StatementRun& run);
bool restartStatement(StatementRun& run);
bool messageStatement(StatementRun& run);

} // namespace quendra::statements
