// The pre-check of a system file: every line in capitals and free of tabs, every comment closed
// on its line, every statement line terminated.
#pragma once

#include <string>
#include <string_view>

namespace quendra {

// Why a system file did not pass; the values are the numbers of the error messages the caller
// shows, with the system file's file line and, for 2 and 3, the line number as the value.
enum class SystemFileError {
    None = 0,
    CommentNotClosed = 2,  // "Kommentar in Zeile … nicht richig abgeschlossen!"
    MissingTerminator = 3, // "Zeile … hat keinen Abschluß!"
    CannotRead = 15,       // "konnte nicht geöffnet werden!"
    CannotWrite = 16,      // "konnte nicht geschrieben werden!"
};

// Judges one line as the pre-check writes it back (see `capitalised`): a "(*" without "*)" or a
// "/*" without "*/" is an unclosed comment; a line that, without its comment and its blanks,
// still holds something but neither ":" nor ";" lacks its terminator. Judging the written-back
// line means a tab between "(" and "*" cannot slip an unclosed comment into the file.
SystemFileError precheckLine(std::string_view capitalisedLine);

struct PrecheckResult {
    SystemFileError error = SystemFileError::None;
    int line = 0;         // 1-based number of the line that failed
    std::string text;     // the normalised file, every line ending in CR LF; empty on error
    bool changed = false; // the normalised file differs from what was read
};

// Checks and normalises the text of a system file line by line, numbering the lines from 1, and
// stops at the first line that fails. A line ends at LF; the CRs before it are dropped, so files
// with CR LF and with LF are read alike.
PrecheckResult precheckSystemText(std::string_view text);

} // namespace quendra
