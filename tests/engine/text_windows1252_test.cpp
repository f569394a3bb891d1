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

TEST(Windows1252, AMixedTextIsKeptWhenItIsUtf8AndReadAsWindows1252Otherwise) {
    struct Case {
        std::string in;
        bool utf8;
        std::string out;
    };
    const Case cases[] = {
        {"Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC",
         true,
         "Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC"},
        {"Gr\xFC\xDF"
         "e",
         false,
         "Gr\xC3\xBC\xC3\x9F"
         "e"},
        {"\xC0\xAF", false, "\xC3\x80\xC2\xAF"},                                 // overlong "/"
        {"\xED\xA0\x80", false, "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                 // a surrogate
        {"\xF4\x90\x80\x80", false, "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}, // above U+10FFFF
        {"\xE2\x82", false, "\xC3\xA2\xE2\x80\x9A"},                             // cut short
        {"\xF0\x9F\x8E\xB2", true, "\xF0\x9F\x8E\xB2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isUtf8(c.in), c.utf8) << c.in;
        EXPECT_EQ(utf8OrWindows1252(c.in), c.out) << c.in;
    }
}

} // namespace
} // namespace quendra
