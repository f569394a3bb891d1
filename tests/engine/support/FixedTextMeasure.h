// Text measuring for layout tests: every character is equally wide, so expected sizes can be
// worked out by hand.
#pragma once

#include "statistics/StatisticsView.h"

#include <string_view>

namespace quendra::testing {

class FixedTextMeasure : public TextMeasure {
public:
    static constexpr int CharWidth = 7;
    static constexpr int LineHeight = 15;

    // Counts characters, not bytes: a UTF-8 continuation byte adds nothing.
    static int characters(std::string_view text) {
        int count = 0;
        for (char c : text) {
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                ++count;
            }
        }
        return count;
    }

    int width(std::string_view text) const override { return CharWidth * characters(text); }
    int height(std::string_view) const override { return LineHeight; }
};

} // namespace quendra::testing
