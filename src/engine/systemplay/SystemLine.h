// The lexical rules of one line of a system file: blanks, capitals, comments and labels.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quendra {

// The four sections a label line can open, in the order of their label names.
enum class Section { Start, Win, Loss, Always };

// "ST", "GW", "VE" or "AL".
std::string_view labelName(Section section);

// Space and tab.
constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The line as the pre-check writes it back: tabs removed, the letters a-z in capitals. Bytes
// above 127 stay as they are: keywords are plain ASCII, so nothing executes differently, and a
// file saved in another encoding than Windows-1252 (UTF-8, say) is not mangled by a case
// mapping meant for Windows-1252; umlauts in a MESSAGE text stay as they were typed.
std::string capitalised(std::string_view line);

// The line without its comment: cut at the first "(*", then at the first "/*". Everything from
// the opener to the end of the line goes, the closer and any text after it included, however
// long the comment is: no tail of a long comment is ever left to be executed.
std::string_view withoutComment(std::string_view line);

// A line as it is read for execution or judged as a label: the comment removed, then the
// leading spaces and tabs. Empty for a line of nothing but blanks and comments.
std::string_view normalisedForExecution(std::string_view rawLine);

// A normalised line that holds a colon is a label line.
constexpr bool isLabelLine(std::string_view normalised) {
    return normalised.find(':') != std::string_view::npos;
}

// The text before the colon of a label line: leading blanks are already gone, trailing blanks
// are kept, so "ST :" names no section.
std::string_view labelText(std::string_view labelLine);

// The section a label line opens; none for any name other than the four.
std::optional<Section> sectionOfLabel(std::string_view labelLine);

} // namespace quendra
