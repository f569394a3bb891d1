// Texts read from the program's 8-bit files (comment and info lines of permanence files) shown
// where UTF-8 is expected.
#pragma once

#include <string>
#include <string_view>

namespace quendra {

// Windows-1252 to UTF-8. The five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same value, as the system's conversion does.
std::string windows1252ToUtf8(std::string_view text);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF).
bool isUtf8(std::string_view text);

// A text that mixes the program's own UTF-8 with lines of a file: kept when it is UTF-8 as it
// stands, else read as Windows-1252 (the file's bytes made it invalid).
std::string utf8OrWindows1252(std::string_view text);

} // namespace quendra
