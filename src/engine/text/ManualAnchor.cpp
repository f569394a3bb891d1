#include "text/ManualAnchor.h"

#include <algorithm>

namespace quendra {
namespace {

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isWordChar(char c) {
    return isLetter(c) || (c >= '0' && c <= '9');
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::optional<std::string> keywordAnchor(std::string_view line, std::size_t caret) {
    caret = std::min(caret, line.size());
    // A caret right after "ST:" still means the label.
    if (caret > 0 && line[caret - 1] == ':' && (caret == line.size() || !isWordChar(line[caret]))) {
        --caret;
    }
    std::size_t begin = caret;
    while (begin > 0 && isWordChar(line[begin - 1])) {
        --begin;
    }
    std::size_t end = caret;
    while (end < line.size() && isWordChar(line[end])) {
        ++end;
    }
    std::string letters;
    for (std::size_t at = begin; at < end && isLetter(line[at]); ++at) {
        letters += upper(line[at]);
    }
    if (letters.empty()) {
        return std::nullopt;
    }
    const bool label = end < line.size() && line[end] == ':';
    return (label ? "sec-" : "kw-") + letters;
}

std::optional<std::string> messageAnchor(MessageKind kind, int number) {
    const char* list = nullptr;
    switch (kind) {
    case MessageKind::Error:
        list = "error-";
        break;
    case MessageKind::Question:
        list = "question-";
        break;
    case MessageKind::Info:
        list = "info-";
        break;
    case MessageKind::Warning:
        list = "warning-";
        break;
    case MessageKind::System:
        list = "system-";
        break;
    case MessageKind::ProgramError:
    case MessageKind::DataDisplay:
        return std::nullopt;
    }
    // The four lists count from 1; a box without a number (0) is none of their entries. The
    // system messages start at 0.
    if (number < (kind == MessageKind::System ? 0 : 1)) {
        return std::nullopt;
    }
    return list + std::to_string(number);
}

std::string manualTarget(std::string_view page, const std::optional<std::string>& anchor) {
    std::string target(page);
    if (anchor) {
        target += '#' + *anchor;
    }
    return target;
}

} // namespace quendra
