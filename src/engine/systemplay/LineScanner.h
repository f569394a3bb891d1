// The cursor that statement functions consume a normalised line with, and the one funnel every
// error of a system line is raised through.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

// A raised system message and where it was raised, as the system editor shows it.
struct SystemError {
    int Message = 0;       // number of the system message
    std::string ErrorText; // the rest of the line from the offending token on
    int ErrorLength = 0;   // length of that token; 0 when no single token is to blame
    int LineNumber = 0;

    bool operator==(const SystemError&) const = default;
};

// A part of a line by its place, for a token kept beyond the scanner that read it.
struct TextSpan {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;

    bool operator==(const TextSpan&) const = default;
};

class LineScanner {
public:
    LineScanner(std::string_view line, int lineNumber) : line_(line), lineNumber_(lineNumber) {}

    // What is left of the line; statement functions consume it from the left.
    std::string_view CurrentLine() const { return line_.substr(position_); }
    bool atEnd() const { return position_ >= line_.size(); }
    // The next character, or '\0' at the end.
    char peek() const { return atEnd() ? '\0' : line_[position_]; }
    bool startsWith(std::string_view text) const { return CurrentLine().starts_with(text); }

    // Consumes `text` when the line continues with it.
    bool accept(std::string_view text);
    void skipBlanks();
    // The next `count` characters, fewer at the end of the line.
    std::string_view take(std::size_t count);
    // The text up to the first of `stops`, or to the end; the stop itself is not consumed.
    std::string_view takeUntil(std::string_view stops);

    // Where a token (a view into this line) stands, and the token at a place of the same text.
    TextSpan spanOf(std::string_view token) const;
    std::string_view text(TextSpan span) const { return line_.substr(span.offset, span.length); }

    // The rest of the line holds as many "(" as ")" (their order is not examined). Asked before
    // every item of a set statement, so it costs no pass over the rest of the line.
    bool bracketsBalanced() const;

    // Fixed-width numbers. A counter number is exactly two characters, 00-99 (else message 8);
    // a unit number one digit 0-9 (else message 2); the rise table of a unit item one digit 1-9
    // (else message 32). They raise their message at the characters taken.
    std::optional<int> counterNumber();
    std::optional<int> unitNumber();
    std::optional<int> riseTableDigit();

    // The error funnel. `token` must be a view into this line: `ErrorText` becomes the line from
    // the token on and `ErrorLength` its length. The first error of a line is kept. Returns
    // false so that a statement function can `return line.fail(...)`.
    bool fail(int message, std::string_view token);
    // An error no single token is to blame for: from the cursor on, `ErrorLength` 0.
    bool fail(int message);
    const std::optional<SystemError>& error() const { return error_; }

private:
    std::string_view line_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
    std::optional<SystemError> error_;
    // From each position to the end: the count of "(" less the count of ")". Built on first use.
    mutable std::vector<std::int32_t> bracketBalance_;
};

} // namespace quendra
