// `CountCupsonFile`: the number of coups a permanence file holds, counted in one streaming pass.
#pragma once

#include "permanence/LineReader.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>

namespace quendra {

// Counts every token of every number row that is a whole number from 0 to highestNumber, so
// "00" counts on either table and "--" counts nothing; comment lines count nothing. The input is
// streamed, never held: a file of any size and any line length is counted in constant memory.
// A line longer than heldLineLimit counts the tokens that end within its first heldLineLimit
// bytes, as the readers take them.
std::int64_t countCoups(std::istream& in, int highestNumber,
                        std::size_t heldLineLimit = HeldLineLimit);

// The coups of the named file; nullopt when it cannot be opened (missing, a folder, unreadable).
// A read error in the middle ends the count with what was counted.
std::optional<std::int64_t> CountCupsonFile(const std::filesystem::path& name, int highestNumber);

} // namespace quendra
