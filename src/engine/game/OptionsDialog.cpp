// The options dialog's rules over its copy of the settings record.
#include "game/OptionsDialog.h"

#include "game/GameCommands.h"
#include "game/OptionsTexts.h"
#include "permanence/YearFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

namespace quendra {
namespace {

constexpr int PieceValueMinimum = 2;
constexpr int PieceValueMaximum = 1000;
constexpr int DelayMaximum = 100;
constexpr std::array<int, 5> UpdateIntervalDays{30, 60, 90, 180, 360};

// The whole text as a non-negative number; none for an empty text or any other character.
std::optional<std::int64_t> fieldNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

int clampCapital(std::int64_t capital, const OptionsDialog& dialog) {
    return static_cast<int>(std::clamp<std::int64_t>(capital, 0, dialog.capitalMaximum()));
}

void showInputError(Game& game, const BilingualText& title, const std::string& text) {
    MessageBoxData box;
    box.kind = MessageKind::Error;
    box.icon = MessageIcon::Error;
    box.title = std::string(title[game.state().language()]);
    box.text = text;
    game.endSuperShortGame();
    game.host().showMessage(box);
}

void languageChanged(Game& game) {
    // Every caption of the program follows: the windows read the language on their refresh.
    game.host().changed(Change::Commands | Change::InfoPanel | Change::Phase | Change::Bars);
}

// The item a list shows for its text, none when the text is not one of its items.
template <std::size_t N>
std::optional<int> listIndex(const std::array<std::string_view, N>& items, std::string_view text) {
    const auto at = std::ranges::find(items, text);
    if (at == items.end()) {
        return std::nullopt;
    }
    return static_cast<int>(at - items.begin());
}

// Step 2 of OK: the year file follows the box before the record takes it.
void switchYearStatistics(Game& game, OptionsDialog& dialog) {
    Settings& settings = game.state().settings;
    if (settings.YearStatistics && !dialog.controls.YearStatistics) {
        WriteYearBlock(game);
    } else if (!settings.YearStatistics && dialog.controls.YearStatistics) {
        settings.YearStatistics = true;
        if (!OpenYearFile(game)) {
            dialog.controls.YearStatistics = false; // error 6 has been shown
        }
    }
    settings.YearStatistics = dialog.controls.YearStatistics;
}

} // namespace

OptionsDialog OpenOptionsDialog(const GameState& state) {
    OptionsDialog dialog;
    dialog.controls = state.settings;
    dialog.languageAtOpening = state.settings.Language;
    dialog.previousPieceValue = state.settings.PieceValue;
    return dialog;
}

void OptionsLanguageChosen(Game& game, OptionsDialog& dialog, int index) {
    if (index != 0 && index != 1) {
        return;
    }
    dialog.controls.Language = index;
    game.state().settings.Language = index;
    languageChanged(game);
}

void OptionsRealChosen(OptionsDialog& dialog, bool real) {
    Settings& c = dialog.controls;
    if (real == c.ShowReal) {
        return;
    }
    const std::int64_t pieceValue = std::max(c.PieceValue, 1);
    c.ShowReal = real;
    c.ShowPieces = !real;
    if (real) {
        c.InitialCapital = clampCapital(c.InitialCapital * pieceValue, dialog);
        dialog.previousPieceValue = c.PieceValue;
    } else {
        c.InitialCapital = clampCapital(c.InitialCapital / pieceValue, dialog);
    }
}

void OptionsPieceValueChanged(OptionsDialog& dialog, int pieceValue) {
    Settings& c = dialog.controls;
    if (pieceValue == 3 || pieceValue == 4) {
        pieceValue = 5;
    }
    pieceValue = std::clamp(pieceValue, PieceValueMinimum, PieceValueMaximum);
    const std::int64_t previous = std::max(dialog.previousPieceValue, 1);
    c.InitialCapital = clampCapital(c.InitialCapital / previous * pieceValue, dialog);
    c.PieceValue = pieceValue;
    dialog.previousPieceValue = pieceValue;
}

void OptionsTableClicked(Game& game, OptionsDialog& dialog, bool french) {
    dialog.controls.FrenchTable = french;
    game.state().LastSixteen.fill(EmptySlot);
    game.host().changed(Change::Permanence);
}

void OptionsAutoUpdateClicked(OptionsDialog& dialog, bool ticked,
                              std::chrono::year_month_day today) {
    Settings& c = dialog.controls;
    c.AutoUpdateCheck = ticked;
    if (ticked) {
        const auto index = static_cast<std::size_t>(
            std::clamp<int>(c.UpdateInterval, 0, static_cast<int>(UpdateIntervalDays.size()) - 1));
        c.NextUpdateCheck = std::chrono::year_month_day{
            std::chrono::sys_days{today} + std::chrono::days{UpdateIntervalDays[index]}};
    }
}

SpinKeyResult spinKey(char key, int value, int step) {
    if ((key >= '0' && key <= '9') || key == '\b') {
        return {SpinKey::Edit, value};
    }
    if (key == '+') {
        return {SpinKey::Step, value + step};
    }
    if (key == '-') {
        return {SpinKey::Step, value - step};
    }
    return {SpinKey::Ignore, value};
}

bool OptionsCapitalLeft(Game& game, OptionsDialog& dialog, std::string_view text) {
    const std::optional<std::int64_t> value = fieldNumber(text);
    const int maximum = dialog.capitalMaximum();
    if (value && *value > 0 && *value <= maximum) {
        dialog.controls.InitialCapital = static_cast<int>(*value);
        return true;
    }
    const Language language = game.state().language();
    showInputError(game, CapitalRangeTitle,
                   std::string(RangeMessage[language]) + "(0-" + std::to_string(maximum) + ")!");
    const std::int64_t pieceValue = dialog.controls.ShowReal ? dialog.controls.PieceValue : 1;
    dialog.controls.InitialCapital = clampCapital(CapitalFallbackPieces * pieceValue, dialog);
    return false;
}

bool OptionsDelayLeft(Game& game, OptionsDialog& dialog, std::string_view text) {
    const std::optional<std::int64_t> value = fieldNumber(text);
    if (value && *value <= DelayMaximum) {
        dialog.controls.TimeBarDelay = static_cast<int>(*value);
        return true;
    }
    showInputError(game, InputMistakeTitle,
                   std::string(DelayRangeMessage[game.state().language()]));
    dialog.controls.TimeBarDelay = DelayFallback;
    return false;
}

bool OptionsTipRuleLeft(Game& game, OptionsDialog& dialog, std::string_view text) {
    if (const std::optional<int> index = listIndex(TipRuleItems, text)) {
        dialog.controls.TipRule = *index;
        return true;
    }
    showInputError(game, InputMistakeTitle,
                   std::string(TipRuleInputMessage[game.state().language()]));
    return false;
}

bool OptionsLanguageLeft(Game& game, OptionsDialog& dialog, std::string_view text) {
    if (const std::optional<int> index = listIndex(LanguageItems, text)) {
        OptionsLanguageChosen(game, dialog, *index);
        return true;
    }
    showInputError(game, InputMistakeTitle,
                   std::string(LanguageInputMessage[game.state().language()]));
    return false;
}

bool OptionsOK(Game& game, OptionsDialog& dialog) {
    switchYearStatistics(game, dialog);
    // The editor's highlighting follows the one box.
    dialog.controls.EditorSyntax = dialog.controls.ShowSyntax;
    const bool loaded = ConfirmOptions(game, dialog.controls);
    game.host().changed(Change::WinIndicator);
    return loaded;
}

void OptionsCancel(Game& game, const OptionsDialog& dialog) {
    if (game.state().settings.Language != dialog.languageAtOpening) {
        game.state().settings.Language = dialog.languageAtOpening;
        languageChanged(game);
    }
}

void OptionsDefault(Game& game, OptionsDialog& dialog) {
    Settings& settings = game.state().settings;
    const int language = settings.Language;
    SetDefaults(settings, false);
    const int languageAtOpening = dialog.languageAtOpening;
    dialog = OpenOptionsDialog(game.state());
    dialog.languageAtOpening = languageAtOpening;
    if (settings.Language != language) {
        languageChanged(game);
    }
}

} // namespace quendra
