// The text of a system file as numbered lines.
#pragma once

#include <optional>
#include <string_view>

namespace quendra {

// Walks a text line by line. A line ends at LF; the CRs just before it are dropped, so CR LF and
// LF files read alike; a last line without a line end is a line as well. The text must outlive
// the walker and the lines it returns.
class TextLines {
public:
    explicit TextLines(std::string_view text) : text_(text) {}

    // The next line without its line end; none after the last line.
    std::optional<std::string_view> next();
    // The 1-based number of the line `next` returned last; 0 before the first.
    int number() const { return number_; }
    // Back to the first line.
    void rewind();

private:
    std::string_view text_;
    std::size_t position_ = 0;
    int number_ = 0;
};

} // namespace quendra
