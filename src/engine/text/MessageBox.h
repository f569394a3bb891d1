// The four numbered message lists (error, question, info, warning) composed into message boxes.
#pragma once

#include "text/Language.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

// ProgramError is the box shown in place of a number that its list does not hold. System is a
// message of a system run (its own numbered table), DataDisplay the box of the MESSAGE statement.
enum class MessageKind : std::uint8_t {
    Error,
    Question,
    Info,
    Warning,
    ProgramError,
    System,
    DataDisplay
};
// None: a plain message without an icon.
enum class MessageIcon : std::uint8_t { Error, Question, Exclamation, None, Information };
// OkCancel: a question answered with OK (true) or Cancel, for the few that are not numbered.
enum class MessageButtons : std::uint8_t { Ok, YesNo, OkCancel };

// A modal box as the host shows it. Texts are UTF-8 apart from a file line, which keeps the
// bytes of the file name; "\r" in the text is a line break.
struct MessageBoxData {
    MessageKind kind = MessageKind::ProgramError;
    std::string title;
    MessageIcon icon = MessageIcon::Error;
    MessageButtons buttons = MessageButtons::Ok;
    std::string text;
    // A Yes/No box whose default button is No.
    bool defaultNo = false;
    // The message's number in its list, for the records of the host; not part of what is shown.
    int number = 0;

    bool operator==(const MessageBoxData&) const = default;
};

// Every number a list does not hold (0, negative, above the list, or a gap inside it) gives the
// ProgramError box, titled "Programfehler" / "Program Error", with an OK button.

// Errors 1-22. `value` fills the message's number (line, player, roulette number); `fileLine`
// (a file name ending in "\r", see fileLine()) goes in front of the message, shortened to under
// 50 characters where it can be.
MessageBoxData errorBox(int number, Language language, int value,
                        const std::optional<std::string>& fileLine = std::nullopt);

// Questions 1-3, with Yes and No buttons. A fallback box has only OK; the caller should read it
// as No, so that nothing is ended or overwritten on a wrong number.
MessageBoxData questionBox(int number, Language language);

// Infos 1-13. `text` fills the message's text; info 3 splits it at its first blank into the
// field code before it and the limit after it (no blank: all of it is the field code).
MessageBoxData infoBox(int number, Language language, std::string_view text);

// Warnings 1-18. `value` fills the message's number (player, capital needed). Warning 15 has
// only a German text, shown in both languages.
MessageBoxData warningBox(int number, Language language, int value);

// The numbers the list of `kind` holds (error, question, info or warning), in ascending order;
// empty for the other kinds. The manual describes each of them.
std::vector<int> messageNumbers(MessageKind kind);

} // namespace quendra
