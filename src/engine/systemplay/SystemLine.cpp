// The lexical rules of one line of a system file.
#include "systemplay/SystemLine.h"

#include <array>

namespace quendra {
namespace {

constexpr std::array<std::string_view, 4> LabelNames{"ST", "GW", "VE", "AL"};

std::string_view cutAt(std::string_view line, std::string_view opener) {
    return line.substr(0, line.find(opener));
}

} // namespace

std::string_view labelName(Section section) {
    return LabelNames[static_cast<std::size_t>(section)];
}

std::string capitalised(std::string_view line) {
    std::string result;
    result.reserve(line.size());
    for (char c : line) {
        if (c == '\t') {
            continue;
        }
        result += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return result;
}

std::string_view withoutComment(std::string_view line) {
    return cutAt(cutAt(line, "(*"), "/*");
}

std::string_view normalisedForExecution(std::string_view rawLine) {
    std::string_view line = withoutComment(rawLine);
    std::size_t first = 0;
    while (first < line.size() && isBlank(line[first])) {
        ++first;
    }
    return line.substr(first);
}

std::string_view labelText(std::string_view labelLine) {
    return labelLine.substr(0, labelLine.find(':'));
}

std::optional<Section> sectionOfLabel(std::string_view labelLine) {
    const std::string_view name = labelText(labelLine);
    for (std::size_t i = 0; i < LabelNames.size(); ++i) {
        if (name == LabelNames[i]) {
            return static_cast<Section>(i);
        }
    }
    return std::nullopt;
}

} // namespace quendra
