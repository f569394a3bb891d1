// The load-file set's life: opening, ticking and unticking its files.
#include "permanence/LoadSet.h"

#include "game/Game.h"
#include "permanence/CollectFile.h"
#include "permanence/PermanenceTexts.h"
#include "text/FileLine.h"

namespace quendra {

namespace {

void clearLineState(LoadSet& set) {
    set.LineRest.clear();
    set.LineRestPos = 0;
    set.LineHasMore = false;
}

} // namespace

bool openMainLoadFile(Game& game) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    closeMainLoadFile(state);
    if (state.settings.MainLoadFile.empty()) {
        game.showWarning(6);
        return false;
    }
    auto file = TextFile::open(state.settings.MainLoadFile);
    if (!file) {
        game.showError(8, FileSelector::MainLoadFile);
        return false;
    }
    set.mainFile = std::move(file);
    return true;
}

void closeMainLoadFile(GameState& state) {
    LoadSet& set = state.permanence.load;
    set.mainFile.reset();
    clearLineState(set);
    state.permanence.menu.options.plan = AttackPlan{};
}

void skipRestOfMainLoadFile(Game& game) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    if (set.mainFile) {
        std::string line;
        while (set.mainFile->lines().next(line)) {
        }
    }
    clearLineState(set);
    for (Player& player : state.players) {
        player.SystemCoups = 0;
    }
}

bool rewindMainLoadFile(Game& game) {
    GameState& state = game.state();
    if (!state.permanence.load.mainFile) {
        return false;
    }
    // The open file is read again, so a file deleted or renamed since it was chosen still
    // plays from its beginning.
    const bool rewound = state.permanence.load.mainFile->rewind();
    clearLineState(state.permanence.load);
    state.permanence.menu.options.plan = AttackPlan{};
    if (!rewound) {
        closeMainLoadFile(state);
    }
    return rewound;
}

bool activateMainLoadFile(Game& game) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    set.SeparatorCount = 0;
    if (!openMainLoadFile(game)) {
        state.settings.MainLoadFile.clear();
        set.HaLaAktiv = false;
        game.host().changed(Change::LoadFiles);
        return false;
    }
    set.HaLaAktiv = true;
    set.LoadEnd = false;
    // An untick on the way to this file (choosing another file unticks first) is no end of
    // the load files.
    state.PauseRequest = false;
    set.FollowActive = !state.settings.FollowLoadFiles[0].empty();
    showLoadStatus(game);
    return true;
}

void deactivateMainLoadFile(Game& game) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    LoadMenuState& menu = state.permanence.menu;
    closeMainLoadFile(state);
    set.HaLaAktiv = false;
    set.MatrixStatusVisible = false;
    if (state.settings.PauseAtLoadEnd) {
        state.PauseRequest = true;
    }
    menu.startOptionsEnabled = false;
    menu.randomAttacksEnabled = false;
    menu.options.StartMode = LoadStartMode::Normal;
    menu.FixLed = menu.ZuRaLed = menu.ZuAnLed = Lamp::Red;
    game.host().changed(Change::LoadFiles);
}

bool openCollectLoadFile(Game& game) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    set.collectFile = TextFile::open(state.settings.CollectLoadFile);
    if (!set.collectFile) {
        game.showError(8, FileSelector::CollectFile);
        state.settings.CollectLoadFile.clear();
        return false;
    }
    return true;
}

void deactivateCollectLoadFile(Game& game) {
    LoadSet& set = game.state().permanence.load;
    set.collectFile.reset();
    set.SaLaAktiv1 = false;
    set.CollectActive = false;
    game.host().changed(Change::LoadFiles);
}

void showLoadStatus(Game& game, std::optional<std::int64_t> startCoup) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    set.MatrixStatus =
        std::string(PermanenceTexts::LoadFileStatus[languageFromIndex(state.settings.Language)]) +
        state.settings.MainLoadFile;
    if (startCoup) {
        set.MatrixStatus += " (" + std::to_string(*startCoup) + ")";
    }
    set.MatrixStatusVisible = true;
    game.host().changed(Change::LoadFiles);
}

bool anySystemPlayer(const GameState& state) {
    for (const Player& player : state.players) {
        if (player.isSystemPlayer()) {
            return true;
        }
    }
    return false;
}

std::filesystem::path typedLoadFileName(const GameState& state, std::string_view name) {
    if (namesFolder(name)) {
        return std::filesystem::path(name);
    }
    return loadFileFolder(state) / std::filesystem::path(name);
}

std::filesystem::path loadFileFolder(const GameState& state) {
    return state.ProgramFolder / "SYSIN";
}

} // namespace quendra
