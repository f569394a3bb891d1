// The statements of the system language by their two-letter codes.
#include "systemplay/SystemStatements.h"

#include "systemplay/StatementRun.h"
#include "systemplay/SystemMessages.h"

#include <array>

namespace quendra {
namespace statements {
namespace {

struct StatementEntry {
    std::string_view code;
    StatementFunction execute;
};

constexpr std::array<StatementEntry, 5> Statements{{
    {"SZ", setStatement},
    {"IF", ifStatement},
    {"ST", stopStatement},
    {"RE", restartStatement},
    {"ME", messageStatement},
}};

} // namespace

bool beginNested(StatementRun& run) {
    if (++run.nested > NestingLimit) {
        return run.line.fail(SystemMessage::InvalidIfSyntax, run.line.CurrentLine().substr(0, 2));
    }
    return true;
}

bool executeStatement(StatementRun& run) {
    for (const StatementEntry& statement : Statements) {
        if (run.line.startsWith(statement.code)) {
            return statement.execute(run);
        }
    }
    return run.line.fail(SystemMessage::IfActionExpected, run.line.CurrentLine().substr(0, 2));
}

} // namespace statements

std::optional<SystemError> executeStatementLine(SystemContext& context, std::string_view line,
                                                int lineNumber) {
    LineScanner scanner(line, lineNumber);
    statements::StatementRun run{context, scanner};
    scanner.skipBlanks();
    statements::executeStatement(run);
    return scanner.error();
}

PreparedStatement prepareStatementLine(std::string_view line, TableType table) {
    return {table, statements::prepareSetStatement(line, table)};
}

std::optional<SystemError> executeStatementLine(SystemContext& context, std::string_view line,
                                                int lineNumber, const PreparedStatement& prepared) {
    const std::vector<SetItem>* items = prepared.forTable(context.table.type());
    if (!items) {
        return executeStatementLine(context, line, lineNumber);
    }
    LineScanner scanner(line, lineNumber);
    statements::StatementRun run{context, scanner};
    statements::executePreparedSet(run, *items);
    return scanner.error();
}

} // namespace quendra
