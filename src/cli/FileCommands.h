// `quendra-cli count` and `quendra-cli convert`: the load menu's coup count and the conversion
// window, for files named on the command line.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace quendra::cli {

int runCount(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runConvert(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace quendra::cli
