// The integer conversion of the system language.
#include "systemplay/SystemNumbers.h"

#include <limits>

namespace quendra {
namespace {

struct IntegerScan {
    std::int32_t value = 0;
    bool complete = false; // the whole text was a number
};

int digitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    }
    return value < base ? value : -1;
}

IntegerScan scanInteger(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) {
        return {};
    }
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (text.substr(at, 1) == "$") {
        base = 16;
        at += 1;
    } else if (text.substr(at, 2) == "0x" || text.substr(at, 2) == "0X") {
        base = 16;
        at += 2;
    }
    // The magnitude may reach one more on the negative side.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + negative;
    std::int64_t magnitude = 0;
    std::size_t digits = 0;
    for (; at < text.size(); ++at, ++digits) {
        const int digit = digitValue(text[at], base);
        if (digit < 0 || magnitude * base + digit > limit) {
            break;
        }
        magnitude = magnitude * base + digit;
    }
    IntegerScan scan;
    scan.value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    scan.complete = digits > 0 && at == text.size();
    return scan;
}

} // namespace

std::optional<std::int32_t> toInteger(std::string_view text) {
    const IntegerScan scan = scanInteger(text);
    if (!scan.complete) {
        return std::nullopt;
    }
    return scan.value;
}

std::int32_t leadingInteger(std::string_view text) {
    return scanInteger(text).value;
}

} // namespace quendra
