// The text of a system file as numbered lines.
#include "systemplay/SystemText.h"

namespace quendra {

std::optional<std::string_view> TextLines::next() {
    if (position_ >= text_.size()) {
        return std::nullopt;
    }
    std::size_t end = text_.find('\n', position_);
    if (end == std::string_view::npos) {
        end = text_.size();
    }
    std::string_view line = text_.substr(position_, end - position_);
    while (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    position_ = end + 1;
    ++number_;
    return line;
}

void TextLines::rewind() {
    position_ = 0;
    number_ = 0;
}

} // namespace quendra
