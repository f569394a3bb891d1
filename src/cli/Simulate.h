// `quendra-cli simulate`: a super-short game as the program plays it, without waits or
// animation, then the summary of the players' results.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace quendra::cli {

int runSimulate(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace quendra::cli
