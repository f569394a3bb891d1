// Executing one statement line of a system: the entry point of the interpreter.
#pragma once

#include "systemplay/LineScanner.h"
#include "systemplay/PreparedStatement.h"
#include "systemplay/SystemContext.h"

#include <optional>
#include <string_view>

namespace quendra {

// Executes the statement on a line as the reader gives it (comment and leading blanks gone):
// a set statement, a condition, STOP, RESTART or MESSAGE. Returns the message raised, with the
// offending token, or none when the line ran to its end or a condition ended it.
std::optional<SystemError> executeStatementLine(SystemContext& context, std::string_view line,
                                                int lineNumber);

// The line read once for the runs to come on the table (see PreparedStatement).
PreparedStatement prepareStatementLine(std::string_view line, TableType table);

// The same as executing the line from its text, from its prepared form when it has one for the
// context's table.
std::optional<SystemError> executeStatementLine(SystemContext& context, std::string_view line,
                                                int lineNumber, const PreparedStatement& prepared);

} // namespace quendra
