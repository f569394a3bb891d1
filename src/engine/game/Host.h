// `Host`: everything the engine needs from the world — message boxes, dialogs, waits, the
// clock and change notices. The app implements it with Qt, the CLI with stderr lines and
// scripted answers, the tests with a recording fake.
#pragma once

#include "spin/NumberRequest.h"
#include "text/MessageBox.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace quendra {

// What changed in the game state, so the presentation can redraw just that.
enum class Change : std::uint32_t {
    None = 0,
    Bars = 1u << 0,         // capital, stake and status bars of the players
    Chips = 1u << 1,        // chips on the board
    Ball = 1u << 2,         // ball position on the wheel
    Permanence = 1u << 3,   // the last-sixteen strip
    Phase = 1u << 4,        // the time bar's text kind and progress
    Commands = 1u << 5,     // which commands are enabled
    InfoPanel = 1u << 6,    // the info panel
    Table = 1u << 7,        // the table type (board and wheel pictures)
    WinIndicator = 1u << 8, // the dolly on the board
    LoadFiles = 1u << 9,    // the load-file status line and the load menu's files and lamps
    Tournament = 1u << 10,  // the tournament's status display `Matrix_Status`
    ManualNumber = 1u << 11 // the number picked by hand (`SelNumDisp`)
};
constexpr Change operator|(Change a, Change b) {
    return static_cast<Change>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool any(Change set, Change flag) {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(flag)) != 0;
}

struct TournamentResult; // tournament/Tournament.h

// The system editor opened on a file: read-only for browsing, and, after an error of a system
// run (`LineNumber` not 0), with the error shown above the text: `MessageText` from its first
// line break on, and `LastLine` with the token of `ErrorLength` characters where `ErrorText`
// begins in red (the whole line in red when `ErrorLength` is 0).
struct SystemEditorRequest {
    std::filesystem::path file;
    bool browseOnly = false;
    int LineNumber = 0;
    std::string MessageText;
    std::string LastLine;
    std::string ErrorText;
    int ErrorLength = 0;

    bool operator==(const SystemEditorRequest&) const = default;
};

class Host {
public:
    virtual ~Host() = default;

    // A modal error, info, warning or program-error box.
    virtual void showMessage(const MessageBoxData& box) = 0;
    // A modal question box; true for Yes.
    virtual bool askQuestion(const MessageBoxData& box) = 0;

    // A wait during which the windows stay responsive; the CLI and the tests return at once.
    virtual void wait(int milliseconds) = 0;

    // The engine changed what `what` names; the presentation reads the state and redraws.
    virtual void changed(Change what) = 0;

    // The number request `TAnfrageZahl`, shown in the language given; the value entered, or
    // nullopt when the user cancels. A host without the dialog cancels.
    virtual std::optional<int> requestNumber(const NumberRequest& request, Language language) {
        (void)request;
        (void)language;
        return std::nullopt;
    }

    // The number picker `TSelectNumber`, modal: the number (0-37) of the button clicked, nullopt
    // when the window was closed without a click. `chosen` is the number whose button shows the
    // red outline. The engine calls it again after a click that withdrew the choice.
    virtual std::optional<int> selectNumber(TableType table, std::optional<int> chosen);

    // A short beep (the click sound).
    virtual void beep() {}

    // The tournament's rules dialog `TRoulette_Turnier`: true for "Start", false for "Cancel".
    virtual bool confirmTournamentStart() { return false; }
    // `TTurnierverloren` ("Leider verloren!") and `TTurnierende` ("Gratulation!"), modal.
    virtual void showTournamentLost() {}
    virtual void showTournamentResult(const TournamentResult& result);

    // The system editor, modal: returns when it closes. A host without an editor does nothing.
    virtual void openSystemEditor(const SystemEditorRequest& request) { (void)request; }

    // Opens a file with the system's open action, maximised; false when that fails.
    virtual bool openWithSystem(const std::filesystem::path& file);

    // The local wall-clock date and time, as a time point whose calendar reading (taken as UTC)
    // is the local one: the engine never deals with time zones.
    virtual std::chrono::system_clock::time_point now() const = 0;
};

} // namespace quendra
