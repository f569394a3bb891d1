// The system editor's rules: the error display above the text, its captions and questions, the
// keywords it highlights, and opening a file in it from the main window or the error dialog.
#pragma once

#include "game/Game.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

// The statement keywords the editor shows in bold.
inline constexpr std::array<std::string_view, 11> SystemEditorKeywords{
    "AND", "IF", "IN", "MAX", "MESSAGE", "NOT", "OFF", "ON", "RESULT", "SZ", "THEN"};

// How the editor shows a piece of a line: keywords bold, symbols bold blue, comments ("(* *)",
// "/* */") italic; everything else, quoted MESSAGE texts included, plain.
enum class SystemTextStyle { Keyword, Symbol, Comment };
struct SystemTextSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    SystemTextStyle style = SystemTextStyle::Keyword;

    bool operator==(const SystemTextSpan&) const = default;
};
// The styled pieces of one line, in order; keywords are recognised in any letter case.
std::vector<SystemTextSpan> systemTextSpans(std::string_view line);

// The two lines of the error display: the message line, and the faulty line split around the
// offending token, which is shown in red (the whole line when no single token is to blame).
struct SystemEditorErrorDisplay {
    std::string messageLabel;  // "Fehlertext:" / "Error Message:"
    std::string message;       // `MessageText` from the character after its first line break
    std::string positionLabel; // "Fehlerposition:" / "Error Position:"
    std::string before;
    std::string token;
    std::string after;

    bool operator==(const SystemEditorErrorDisplay&) const = default;
};
SystemEditorErrorDisplay systemEditorErrorDisplay(const SystemEditorRequest& request,
                                                  Language language);

// The window caption: "System-Editor" without a file, else the file name, with " - Browse only"
// in browse-only mode.
std::string systemEditorCaption(const std::filesystem::path& file, bool browseOnly);

// "Die Datei " + name + " ist nicht vorhanden! Soll die Datei neu angelegt werden?", Yes/No.
MessageBoxData missingEditorFileQuestion(const std::string& name, Language language);
// "Änderungen speichern?" / "Save changes?", Yes/No.
MessageBoxData saveEditorChangesQuestion(Language language);

// Error 15 (load) or 16 (save) of the editor, naming the file.
void ShowEditorFileError(Game& game, int number, const std::filesystem::path& file);

// The editor opened from the main window, with the game paused: `chooseFile` is the file dialog
// (nullopt when cancelled); a missing file is created holding a single blank when the user
// agrees (else nothing opens). A file changed in the editor restarts the active players using it.
void OpenFileInSystemEditor(
    Game& game, const std::function<std::optional<std::filesystem::path>()>& chooseFile);

// The editor on the request's file; afterwards the active players using that file restart when
// it changed meanwhile (warning 16 each).
void EditFileAndRestartIfChanged(Game& game, const SystemEditorRequest& request);

// The player's protocol file browsed in the editor, with the game paused: the protocol is off
// and its file closed meanwhile; afterwards it is on again and the file reopened for appending.
void BrowsePlayerProtocolFile(Game& game, int player);

// "Ladedatei": the main load file browsed in the editor, with the game paused. Without a main
// load file warning 6, for one that is gone error 8; the coup reader's place in it is kept.
void BrowseMainLoadFile(Game& game);

} // namespace quendra
