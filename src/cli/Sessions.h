// `quendra-cli sessions`: many independent super-short sessions of the same set-up, each from
// the start capital with a seed of its own, and the distribution of the players' results;
// `quendra-cli merge`: the parts of one batch played apart, joined into the whole.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace quendra::cli {

// `progressShown`: the error stream is a terminal, so it gets a progress line.
int runSessionsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                       bool progressShown = false);
int runMerge(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace quendra::cli
