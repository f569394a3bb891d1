// Windows-1252 bytes of the program's files turned into UTF-8 for the terminal.
#include "text/Windows1252.h"

#include <gtest/gtest.h>

namespace quendra {
namespace {

TEST(Windows1252, MapsAsciiLatin1AndTheHighControlRange) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"Roulette 2024 --", "Roulette 2024 --"},
        {"Spielbank M\xFCnchen \xC4\xD6\xDC\xDF",
         "Spielbank M\xC3\xBCnchen \xC3\x84\xC3\x96\xC3\x9C\xC3\x9F"},
        {"\x80 \x84 \x96 \x9F", "\xE2\x82\xAC \xE2\x80\x9E \xE2\x80\x93 \xC5\xB8"},
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windows1252ToUtf8(c.in), c.out) << c.in;
    }
}

} // namespace
} // namespace quendra
