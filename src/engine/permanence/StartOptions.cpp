// Start-option rules of the load menu.
#include "permanence/StartOptions.h"

#include "game/Game.h"
#include "permanence/LoadSet.h"
#include "permanence/PermanenceTexts.h"

#include <algorithm>

namespace quendra {

namespace {

StartOptions& optionsOf(Game& game) {
    return game.state().permanence.menu.options;
}

// True when the change may be made: the options were changed before, or the user confirms.
bool confirmStartOptionChange(Game& game) {
    StartOptions& options = optionsOf(game);
    if (options.StartOptionsChanged) {
        return true;
    }
    game.endSuperShortGame();
    const Language language = languageFromIndex(game.state().settings.Language);
    MessageBoxData box;
    box.kind = MessageKind::Question;
    box.title = std::string(PermanenceTexts::StartOptionQuestionTitle[language]);
    box.icon = MessageIcon::Question;
    box.buttons = MessageButtons::OkCancel;
    box.text = std::string(PermanenceTexts::StartOptionQuestion[language]);
    if (!game.host().askQuestion(box)) {
        return false;
    }
    options.StartOptionsChanged = true;
    return true;
}

void lampsChanged(Game& game) {
    game.host().changed(Change::LoadFiles);
}

} // namespace

std::optional<std::int64_t> digitFieldValue(std::string_view text) {
    std::optional<std::int64_t> value;
    for (char c : text) {
        if (c < '0' || c > '9') {
            continue;
        }
        const std::int64_t next = value.value_or(0) * 10 + (c - '0');
        value = std::min(next, HighestStartValue);
    }
    return value;
}

bool digitFieldKey(char typed) {
    return (typed >= '0' && typed <= '9') || typed == '\b';
}

void setStartOptionDefaults(Game& game) {
    StartOptions& options = optionsOf(game);
    options.StartOptionsChanged = true;
    options.StartMode = LoadStartMode::Normal;
    options.FixStartCoup = 1;
    options.RandomStartMin = 1;
    options.RandomStartMax = options.LowestCount;
    options.AttackLength = options.LowestCount;
    options.MaxAttacks = 1;
    updateStartOptionLamps(game.state());
    lampsChanged(game);
}

void resetStartOptions(Game& game) {
    LoadMenuState& menu = game.state().permanence.menu;
    StartOptions& options = menu.options;
    options.StartMode = LoadStartMode::Normal;
    options.FixStartCoup = 1;
    options.RandomStartMin = 1;
    options.RandomStartMax = 1;
    options.RandomStartCoup = 1;
    options.AttackLength = 1;
    options.MaxAttacks = 1;
    menu.FixLed = menu.ZuRaLed = menu.ZuAnLed = Lamp::Red;
    menu.LoadFileInfo.clear();
    lampsChanged(game);
}

Lamp startValueLamp(const GameState& state, std::int64_t value, int divisor) {
    const LoadMenuState& menu = state.permanence.menu;
    if (!state.permanence.load.HaLaAktiv) {
        return Lamp::Red;
    }
    divisor = std::max(divisor, 1);
    if (value <= menu.options.LowestCount / divisor) {
        return Lamp::Green;
    }
    for (const LoadFileEntry& entry : menu.LoadFileInfo) {
        if (entry.coups / divisor >= value) {
            return Lamp::YellowBlinking;
        }
    }
    return Lamp::Red;
}

void updateFixLamp(GameState& state) {
    LoadMenuState& menu = state.permanence.menu;
    menu.FixLed = startValueLamp(state, menu.options.FixStartCoup, 1);
}

void updateRandomLamp(GameState& state) {
    LoadMenuState& menu = state.permanence.menu;
    menu.ZuRaLed = startValueLamp(state, menu.options.RandomStartMax, 1);
}

void updateAttackLamp(GameState& state) {
    LoadMenuState& menu = state.permanence.menu;
    menu.ZuAnLed = anySystemPlayer(state)
                       ? Lamp::Red
                       : startValueLamp(state, menu.options.AttackLength, menu.options.MaxAttacks);
}

void updateStartOptionLamps(GameState& state) {
    updateFixLamp(state);
    updateRandomLamp(state);
    updateAttackLamp(state);
}

bool selectStartMode(Game& game, LoadStartMode mode) {
    const LoadMenuState& menu = game.state().permanence.menu;
    StartOptions& options = optionsOf(game);
    if (mode == options.StartMode) {
        return true;
    }
    if (mode == LoadStartMode::RandomAttacks && !menu.randomAttacksEnabled) {
        return false;
    }
    if (!confirmStartOptionChange(game)) {
        return false;
    }
    options.StartMode = mode;
    lampsChanged(game);
    return true;
}

bool applyFixRando(Game& game, std::string_view text) {
    StartOptions& options = optionsOf(game);
    const std::int64_t value = std::max<std::int64_t>(digitFieldValue(text).value_or(0), 1);
    if (value != options.FixStartCoup && !confirmStartOptionChange(game)) {
        return false;
    }
    options.FixStartCoup = value;
    updateFixLamp(game.state());
    lampsChanged(game);
    return true;
}

bool applyRandomRange(Game& game, std::string_view minText, std::string_view maxText) {
    StartOptions& options = optionsOf(game);
    std::int64_t low = digitFieldValue(minText).value_or(1);
    const std::int64_t high = digitFieldValue(maxText).value_or(options.LowestCount);
    low = std::min(low, high);
    if ((low != options.RandomStartMin || high != options.RandomStartMax) &&
        !confirmStartOptionChange(game)) {
        return false;
    }
    options.RandomStartMin = low;
    options.RandomStartMax = high;
    updateRandomLamp(game.state());
    lampsChanged(game);
    return true;
}

bool applyAttacks(Game& game, int attacks, std::string_view lengthText) {
    StartOptions& options = optionsOf(game);
    attacks = std::clamp(attacks, 1, HighestAttackCount);
    std::int64_t length = digitFieldValue(lengthText).value_or(0);
    if (length == 0) {
        length = options.LowestCount;
    }
    length = std::min(length, options.LowestCount / attacks);
    if ((attacks != options.MaxAttacks || length != options.AttackLength) &&
        !confirmStartOptionChange(game)) {
        return false;
    }
    options.MaxAttacks = attacks;
    options.AttackLength = length;
    updateAttackLamp(game.state());
    lampsChanged(game);
    return true;
}

void prepareStartOptions(Game& game) {
    GameState& state = game.state();
    LoadMenuState& menu = state.permanence.menu;
    StartOptions& options = menu.options;
    if (options.FixStartCoup == 0) {
        options.FixStartCoup = 1;
    }
    if (options.RandomStartMin == 0 || options.RandomStartMax == 0) {
        options.RandomStartMin = 1;
        options.RandomStartMax = options.LowestCount;
    }
    if (options.AttackLength == 0) {
        options.AttackLength = options.LowestCount;
        options.MaxAttacks = 1;
    }
    updateStartOptionLamps(state);
    const bool systemPlay = anySystemPlayer(state);
    menu.randomAttacksEnabled = menu.startOptionsEnabled && !systemPlay;
    menu.attackLampHint =
        systemPlay
            ? std::string(
                  PermanenceTexts::SystemPlayActive[languageFromIndex(state.settings.Language)])
            : std::string();
    lampsChanged(game);
}

} // namespace quendra
