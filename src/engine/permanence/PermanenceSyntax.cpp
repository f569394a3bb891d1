// Token rules of permanence files.
#include "permanence/PermanenceSyntax.h"

#include <limits>

namespace quendra {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view takeToken(std::string_view& rest) {
    const auto blank = rest.find(' ');
    if (blank == std::string_view::npos) {
        const std::string_view token = rest;
        rest = {};
        return token;
    }
    const std::string_view token = rest.substr(0, blank);
    rest.remove_prefix(blank + 1);
    return token;
}

Token readToken(std::string_view text) {
    Token token;
    if (text.empty()) {
        token.kind = TokenKind::Empty;
        return token;
    }
    if (text == "--") {
        token.kind = TokenKind::DaySeparator;
        return token;
    }
    const bool negative = text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty()) {
        return token;
    }
    constexpr std::int64_t Largest = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return token;
        }
        if (value <= Largest) {
            value = value * 10 + (c - '0');
        }
    }
    token.kind = TokenKind::Number;
    token.exact = value <= Largest;
    token.value = negative ? -value : value;
    token.doubleZero = text == "00";
    return token;
}

} // namespace quendra
