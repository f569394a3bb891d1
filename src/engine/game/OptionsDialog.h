// The options dialog `TOptionen`: its controls hold a copy of the settings record; live
// reactions, the checks on leaving a field, OK, Cancel and Default. The window shows the copy
// and passes every change in.
#pragma once

#include "game/Game.h"
#include "settings/Settings.h"

#include <chrono>
#include <optional>
#include <string_view>

namespace quendra {

inline constexpr int CapitalPiecesMaximum = 5000;
inline constexpr int CapitalRealMaximum = 5000000;
inline constexpr int CapitalFallbackPieces = 2000;
inline constexpr int DelayFallback = 10;

struct OptionsDialog {
    Settings controls;         // what the controls show; OK takes it into the record
    int languageAtOpening = 0; // Cancel goes back to it: the language switches live
    int previousPieceValue = 1;

    bool delayEnabled() const { return !controls.ManualTimeBar; }
    bool pieceValueEnabled() const { return controls.ShowReal; }
    bool chipLimitEnabled() const { return controls.ChipLimitOn; }
    bool updateIntervalEnabled() const { return !controls.AutoUpdateCheck; }
    int capitalMaximum() const {
        return controls.ShowReal ? CapitalRealMaximum : CapitalPiecesMaximum;
    }
    int capitalDigits() const { return controls.ShowReal ? 7 : 4; }
    int pieceValueStep() const { return controls.PieceValue < 5 ? 1 : 5; }
};

// Opening: the controls loaded from the record, the language and piece value remembered.
OptionsDialog OpenOptionsDialog(const GameState& state);

// `Sprache`: the program's language changes at once (0 German, 1 English).
void OptionsLanguageChosen(Game& game, OptionsDialog& dialog, int index);
// `RealButton` (true) or `StueckButton` chosen: the capital is converted by the piece value.
void OptionsRealChosen(OptionsDialog& dialog, bool real);
// `Stuecklung` changed: 3 and 4 become 5, the value is held within 2-1000, and the capital
// follows the change of the piece value.
void OptionsPieceValueChanged(OptionsDialog& dialog, int pieceValue);
// A table radio clicked: the recent-coups strip is emptied.
void OptionsTableClicked(Game& game, OptionsDialog& dialog, bool french);
// `AutoUpdCheck` clicked: when ticked the next check date is today plus the interval chosen.
void OptionsAutoUpdateClicked(OptionsDialog& dialog, bool ticked,
                              std::chrono::year_month_day today);

// What a key does in `SpKapital` (step 100) or `Balkendauer` (step 10): a digit or backspace
// edits the text, "+" and "-" step the value, anything else is swallowed.
enum class SpinKey { Edit, Step, Ignore };
struct SpinKeyResult {
    SpinKey kind = SpinKey::Ignore;
    int value = 0; // the stepped value
};
SpinKeyResult spinKey(char key, int value, int step);

// Leaving a field: the text is checked, and taken into the controls when valid. A wrong value
// shows its input-error box and falls back (capital 2000 pieces, delay 10); false then, and the
// window puts the focus back. Lists keep their value on a wrong text.
bool OptionsCapitalLeft(Game& game, OptionsDialog& dialog, std::string_view text);
bool OptionsDelayLeft(Game& game, OptionsDialog& dialog, std::string_view text);
bool OptionsTipRuleLeft(Game& game, OptionsDialog& dialog, std::string_view text);
bool OptionsLanguageLeft(Game& game, OptionsDialog& dialog, std::string_view text);

// OK: the year statistics switched through the year file, then the record takes the controls
// and the main window applies them (table, delay, capitals with the question per player, time
// bar). False when a switched table could not be loaded.
bool OptionsOK(Game& game, OptionsDialog& dialog);
// Cancel: only the language goes back to its value at opening.
void OptionsCancel(Game& game, const OptionsDialog& dialog);
// Default: the record gets the defaults (files kept) at once, and the controls reload from it.
void OptionsDefault(Game& game, OptionsDialog& dialog);

} // namespace quendra
