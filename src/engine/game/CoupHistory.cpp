// The numbers of the last twelve coups.
#include "game/CoupHistory.h"

#include <algorithm>

namespace quendra {

void CoupHistory::record(int number) {
    std::shift_right(numbers_.begin(), numbers_.end(), 1);
    numbers_[0] = number;
}

void CoupHistory::tableLoaded() {
    numbers_[0].reset();
    numbers_[1].reset();
}

std::optional<int> CoupHistory::numberAt(int position) const {
    if (position < 1 || position > Positions) {
        return std::nullopt;
    }
    return numbers_[static_cast<std::size_t>(position - 1)];
}

std::optional<int> historyPosition(std::string_view operand) {
    if (operand == "GZ") {
        return 1;
    }
    if (operand == "VZ") {
        return 2;
    }
    if (operand.size() == 2 && operand[0] == 'V' && operand[1] >= '0' && operand[1] <= '9') {
        return 3 + (operand[1] - '0');
    }
    return std::nullopt;
}

} // namespace quendra
