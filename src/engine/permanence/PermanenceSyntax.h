// The syntax of permanence files shared by every reader: trimming and splitting a number row,
// and what a token means.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendra {

// Trims blanks (not tabs) at both ends.
std::string_view trimBlanks(std::string_view text);

// Takes the next token off the rest of a trimmed number row: the text before the first blank,
// the rest being what follows that blank; without a blank the whole rest. Two blanks in a row
// give an empty token. The caller stops when the rest is empty.
std::string_view takeToken(std::string_view& rest);

enum class TokenKind : std::uint8_t {
    Empty,        // between two blanks
    DaySeparator, // exactly "--"
    Number,       // an optional minus sign and at least one digit
    Other,        // anything else
};

struct Token {
    TokenKind kind = TokenKind::Other;
    // The number, for TokenKind::Number; meaningful only when `exact`.
    std::int64_t value = 0;
    // The number fits a 32-bit integer. Leading zeros do not count against it, so
    // "000000000000000000000000000017" is 17, while thirty significant digits are not exact.
    bool exact = true;
    // The token is exactly "00", the double zero of the American table.
    bool doubleZero = false;
};

Token readToken(std::string_view text);

// The number a token names as a coup of a table, or -1 when it names none: a whole number from
// 0 to highestNumber. This is the rule the coup counter counts by; the readers add their own
// treatment of "00".
constexpr int tokenNumber(const Token& token, int highestNumber) {
    if (token.kind != TokenKind::Number || !token.exact || token.value < 0 ||
        token.value > highestNumber) {
        return -1;
    }
    return static_cast<int>(token.value);
}

} // namespace quendra
