// Command-line front end: parses the arguments and runs a command against the engine.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quendra::cli {

// Runs one command line (without the program name). Output goes to `out`, messages and usage
// errors to `err`. Returns the process exit code.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quendra::cli
