// Where the manual answers a question: the page and anchor for the keyword at the caret of the
// system editor and for a numbered message. The pages are HTML files of the manual, one per
// chapter, the same names in German and English.
#pragma once

#include "text/Language.h"
#include "text/MessageBox.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quendra {

inline constexpr std::string_view ManualContentsPage = "index.html";
inline constexpr std::string_view ManualLanguagePage = "language.html";
inline constexpr std::string_view ManualMessagesPage = "messages.html";

// The help window's own texts, and the button that opens the manual from a message box.
inline constexpr BilingualText HelpWindowCaption{"Quendra Hilfe", "Quendra Help"};
inline constexpr BilingualText HelpSearchPrompt{"Suchen", "Search"};
inline constexpr BilingualText HelpBackCaption{"Zurück", "Back"};
inline constexpr BilingualText HelpForwardCaption{"Vor", "Forward"};
inline constexpr BilingualText HelpButtonCaption{"Hilfe", "Help"};

// The anchor of the system-language chapter for the word at `caret` (a column of `line`; the
// caret may stand inside the word or right after it, also right after a colon that follows
// it). The word is named by its leading letters in upper case: "kw-SZ" for SZ, "kw-EI" for
// EI12, "kw-STMAX" for stmax; a word followed by ":" is a section label ("sec-ST" for ST:).
// None when the caret touches no word or the word starts with no letter (a number).
std::optional<std::string> keywordAnchor(std::string_view line, std::size_t caret);

// The anchor of the messages chapter for a numbered box: "error-3", "question-1", "info-12",
// "warning-5", "system-33". None for a box that belongs to no list or has no number.
std::optional<std::string> messageAnchor(MessageKind kind, int number);

// "page#anchor", or the page alone without an anchor.
std::string manualTarget(std::string_view page, const std::optional<std::string>& anchor);

} // namespace quendra
