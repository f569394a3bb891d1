// The usage texts of the commands and the report of wrong usage.
#pragma once

#include "Options.h"

#include <iosfwd>
#include <string_view>

namespace quendra::cli {

extern const std::string_view MainHelp;
extern const std::string_view SimulateHelp;
extern const std::string_view AnalyseHelp;
extern const std::string_view CountHelp;
extern const std::string_view ConvertHelp;
extern const std::string_view SessionsHelp;
extern const std::string_view MergeHelp;

// Writes "quendra-cli COMMAND: reason (see --help)" as one line; returns exit code 2.
int reportUsage(std::ostream& err, std::string_view command, const UsageError& usage);

} // namespace quendra::cli
