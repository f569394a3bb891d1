// The cursor over a normalised system line and its error funnel.
#include "systemplay/LineScanner.h"

#include "systemplay/SystemLine.h"
#include "systemplay/SystemMessages.h"
#include "systemplay/SystemNumbers.h"

#include <algorithm>
#include <functional>

namespace quendra {

bool LineScanner::accept(std::string_view text) {
    if (!startsWith(text)) {
        return false;
    }
    position_ += text.size();
    return true;
}

void LineScanner::skipBlanks() {
    while (!atEnd() && isBlank(line_[position_])) {
        ++position_;
    }
}

std::string_view LineScanner::take(std::size_t count) {
    const std::string_view taken = CurrentLine().substr(0, count);
    position_ += taken.size();
    return taken;
}

std::string_view LineScanner::takeUntil(std::string_view stops) {
    const std::string_view rest = CurrentLine();
    return take(std::min(rest.find_first_of(stops), rest.size()));
}

TextSpan LineScanner::spanOf(std::string_view token) const {
    return {static_cast<std::uint32_t>(token.data() - line_.data()),
            static_cast<std::uint32_t>(token.size())};
}

bool LineScanner::bracketsBalanced() const {
    if (bracketBalance_.empty()) {
        bracketBalance_.assign(line_.size() + 1, 0);
        for (std::size_t i = line_.size(); i-- > 0;) {
            const int step = line_[i] == '(' ? 1 : line_[i] == ')' ? -1 : 0;
            bracketBalance_[i] = bracketBalance_[i + 1] + step;
        }
    }
    return bracketBalance_[std::min(position_, line_.size())] == 0;
}

std::optional<int> LineScanner::counterNumber() {
    const std::string_view digits = take(2);
    const std::optional<std::int32_t> number = toInteger(digits);
    if (digits.size() != 2 || !number || *number < 0 || *number > 99) {
        fail(SystemMessage::InvalidCounter, digits);
        return std::nullopt;
    }
    return *number;
}

std::optional<int> LineScanner::unitNumber() {
    const std::string_view digit = take(1);
    if (digit.empty() || digit[0] < '0' || digit[0] > '9') {
        fail(SystemMessage::NumericExpected, digit);
        return std::nullopt;
    }
    return digit[0] - '0';
}

std::optional<int> LineScanner::riseTableDigit() {
    const std::string_view digit = take(1);
    if (digit.empty() || digit[0] < '1' || digit[0] > '9') {
        fail(SystemMessage::InvalidUnitRiseTable, digit);
        return std::nullopt;
    }
    return digit[0] - '0';
}

bool LineScanner::fail(int message, std::string_view token) {
    const std::less<const char*> before;
    const char* begin = line_.data();
    const char* end = line_.data() + line_.size();
    const bool inLine = !before(token.data(), begin) && !before(end, token.data() + token.size());
    if (!inLine) {
        return fail(message);
    }
    if (!error_) {
        const auto offset = static_cast<std::size_t>(token.data() - begin);
        error_ = SystemError{message, std::string(line_.substr(offset)),
                             static_cast<int>(token.size()), lineNumber_};
    }
    return false;
}

bool LineScanner::fail(int message) {
    if (!error_) {
        error_ = SystemError{message, std::string(CurrentLine()), 0, lineNumber_};
    }
    return false;
}

} // namespace quendra
