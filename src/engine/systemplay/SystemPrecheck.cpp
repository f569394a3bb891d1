// The pre-check of a system file.
#include "systemplay/SystemPrecheck.h"

#include "systemplay/SystemLine.h"
#include "systemplay/SystemText.h"

namespace quendra {
namespace {

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool commentOpenedButNotClosed(std::string_view line, std::string_view opener,
                               std::string_view closer) {
    return contains(line, opener) && !contains(line, closer);
}

} // namespace

SystemFileError precheckLine(std::string_view capitalisedLine) {
    if (commentOpenedButNotClosed(capitalisedLine, "(*", "*)") ||
        commentOpenedButNotClosed(capitalisedLine, "/*", "*/")) {
        return SystemFileError::CommentNotClosed;
    }
    bool holdsSomething = false;
    for (char c : withoutComment(capitalisedLine)) {
        if (c == ':' || c == ';') {
            return SystemFileError::None;
        }
        holdsSomething |= !isBlank(c);
    }
    return holdsSomething ? SystemFileError::MissingTerminator : SystemFileError::None;
}

PrecheckResult precheckSystemText(std::string_view text) {
    PrecheckResult result;
    TextLines lines(text);
    while (const std::optional<std::string_view> line = lines.next()) {
        const std::string written = capitalised(*line);
        if (const SystemFileError error = precheckLine(written); error != SystemFileError::None) {
            return {error, lines.number(), {}, false};
        }
        result.text += written;
        result.text += "\r\n";
    }
    result.changed = result.text != text;
    return result;
}

} // namespace quendra
