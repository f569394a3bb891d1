// Load menu rules over the load-file set.
#include "permanence/LoadMenu.h"

#include "game/Game.h"
#include "permanence/CollectFile.h"
#include "permanence/CoupCounter.h"
#include "permanence/LoadSet.h"
#include "permanence/PermanenceTexts.h"
#include "permanence/Positioning.h"
#include "permanence/StartOptions.h"
#include "settings/SettingsIo.h"
#include "text/FileLine.h"

#include <algorithm>

namespace quendra {

namespace {

std::filesystem::path chosenName(const GameState& state, std::string_view name, FileChoice choice) {
    return choice == FileChoice::Typed ? typedLoadFileName(state, name)
                                       : std::filesystem::path(name);
}

// The coups of a file, taken from the list when it is there so a long file is counted once.
std::int64_t coupsOf(const GameState& state, const std::string& name) {
    for (const LoadFileEntry& entry : state.permanence.menu.LoadFileInfo) {
        if (entry.name == name) {
            return entry.coups;
        }
    }
    return CountCupsonFile(name, state.table.HighestNumber).value_or(0);
}

void filesChanged(Game& game) {
    game.host().changed(Change::LoadFiles);
}

// Fills the empty follow slots from the open collect file, a name each; a missing file shows
// error 9 and leaves its slot empty.
void fillFollowSlotsFromCollect(Game& game, const std::filesystem::path& folder) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    auto& slots = state.settings.FollowLoadFiles;
    for (int slot = 0; slot < FollowSlots && !set.collectFile->lines().atEnd(); ++slot) {
        if (!slots[slot].empty()) {
            continue;
        }
        const auto name = NextCollectName(set.collectFile->lines(), folder);
        if (!name) {
            break;
        }
        slots[slot] = name->string();
        if (!isExistingFile(slots[slot])) {
            game.showError(9, FileSelector::FirstFollowFile + slot);
            slots[slot].clear();
            state.permanence.menu.CupFolge[slot].reset();
            continue;
        }
        state.permanence.menu.CupFolge[slot] = coupsOf(state, slots[slot]);
        set.FollowActive = true;
    }
}

// The second half of ticking the collect file, also run by OK: the empty main file and then the
// empty follow slots take the collect file's next names.
void fillFromCollectFile(Game& game) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    if (!set.collectFile) {
        return;
    }
    const auto folder = folderOf(state.settings.CollectLoadFile);
    if (state.settings.MainLoadFile.empty()) {
        if (const auto name = NextCollectName(set.collectFile->lines(), folder)) {
            state.settings.MainLoadFile = name->string();
            if (!isExistingFile(state.settings.MainLoadFile)) {
                game.showError(8, FileSelector::MainLoadFile);
                state.settings.MainLoadFile.clear();
                deactivateCollectLoadFile(game);
                return;
            }
            HaLaAktivClick(game, true);
        }
    }
    if (!set.collectFile->lines().atEnd()) {
        if (!set.HaLaAktiv && !state.settings.MainLoadFile.empty()) {
            HaLaAktivClick(game, true);
        }
        fillFollowSlotsFromCollect(game, folder);
    }
    if (set.collectFile && set.collectFile->lines().atEnd()) {
        deactivateCollectLoadFile(game);
    }
}

// Each empty follow slot takes the next filled slot behind it, keeping the order.
void closeUpFollowSlots(GameState& state) {
    auto& slots = state.settings.FollowLoadFiles;
    auto& counts = state.permanence.menu.CupFolge;
    int filled = 0;
    for (int slot = 0; slot < FollowSlots; ++slot) {
        if (slots[slot].empty()) {
            continue;
        }
        if (slot != filled) {
            slots[filled] = std::move(slots[slot]);
            slots[slot].clear();
            counts[filled] = counts[slot];
            counts[slot].reset();
        }
        ++filled;
    }
}

void defaultsOrReset(Game& game) {
    if (game.state().permanence.load.HaLaAktiv) {
        setStartOptionDefaults(game);
    } else {
        resetStartOptions(game);
    }
}

} // namespace

void Get_Info_CUP_SAF(Game& game) {
    GameState& state = game.state();
    auto& info = state.permanence.menu.LoadFileInfo;
    const int highest = state.table.HighestNumber;
    info.clear();
    auto add = [&](const std::string& name) {
        if (const auto coups = CountCupsonFile(name, highest)) {
            info.push_back({name, *coups});
        }
    };
    if (state.permanence.load.SaLaAktiv1) {
        if (auto list = TextFile::open(state.settings.CollectLoadFile)) {
            const auto folder = folderOf(state.settings.CollectLoadFile);
            while (const auto name = NextCollectName(list->lines(), folder)) {
                add(name->string());
            }
        }
    } else {
        if (!state.settings.MainLoadFile.empty()) {
            add(state.settings.MainLoadFile);
        }
        for (const std::string& follow : state.settings.FollowLoadFiles) {
            if (!follow.empty()) {
                add(follow);
            }
        }
    }
    Check_Low_Cup_Number(state);
}

void Check_Low_Cup_Number(GameState& state) {
    const auto& info = state.permanence.menu.LoadFileInfo;
    std::int64_t lowest = 1;
    if (!info.empty()) {
        lowest = std::min_element(info.begin(), info.end(), [](const auto& a, const auto& b) {
                     return a.coups < b.coups;
                 })->coups;
    }
    state.permanence.menu.options.LowestCount = lowest;
}

bool HaLaAktivClick(Game& game, bool ticked) {
    GameState& state = game.state();
    LoadMenuState& menu = state.permanence.menu;
    if (!ticked) {
        deactivateMainLoadFile(game);
        return false;
    }
    if (!activateMainLoadFile(game)) {
        menu.startOptionsEnabled = false;
        menu.randomAttacksEnabled = false;
        menu.CupCounterHaupt.reset();
        filesChanged(game);
        return false;
    }
    menu.options.StartOptionsChanged = true;
    Get_Info_CUP_SAF(game);
    menu.CupCounterHaupt = coupsOf(state, state.settings.MainLoadFile);
    menu.startOptionsEnabled = true;
    menu.randomAttacksEnabled = !anySystemPlayer(state);
    setStartOptionDefaults(game);
    return true;
}

bool SaLaAktiv1Click(Game& game, bool ticked) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    if (!ticked) {
        deactivateCollectLoadFile(game);
        return false;
    }
    HaLaResetClick(game);
    if (!openCollectLoadFile(game)) {
        set.SaLaAktiv1 = false;
        filesChanged(game);
        return false;
    }
    set.SaLaAktiv1 = true;
    state.permanence.menu.options.StartOptionsChanged = true;
    Get_Info_CUP_SAF(game);
    fillFromCollectFile(game);
    // Refilling during play needs lines still to come.
    set.CollectActive = set.collectFile && !set.collectFile->lines().atEnd();
    defaultsOrReset(game);
    filesChanged(game);
    return true;
}

void HaLaResetClick(Game& game) {
    GameState& state = game.state();
    LoadMenuState& menu = state.permanence.menu;
    if (state.permanence.load.HaLaAktiv) {
        HaLaAktivClick(game, false);
    }
    state.settings.MainLoadFile.clear();
    for (std::string& slot : state.settings.FollowLoadFiles) {
        slot.clear();
    }
    menu.CupCounterHaupt.reset();
    menu.CupFolge = {};
    state.permanence.load.FollowActive = false;
    resetStartOptions(game);
    filesChanged(game);
}

void SaLaResetClick(Game& game) {
    deactivateCollectLoadFile(game);
    game.state().settings.CollectLoadFile.clear();
    Get_Info_CUP_SAF(game);
    defaultsOrReset(game);
    filesChanged(game);
}

bool HaLafileChosen(Game& game, std::string_view name, FileChoice choice) {
    GameState& state = game.state();
    if (state.permanence.load.HaLaAktiv) {
        HaLaAktivClick(game, false);
    }
    state.settings.MainLoadFile = chosenName(state, name, choice).string();
    if (!isExistingFile(state.settings.MainLoadFile)) {
        game.showError(8, FileSelector::MainLoadFile);
        state.settings.MainLoadFile.clear();
        state.permanence.menu.CupCounterHaupt.reset();
        filesChanged(game);
        return false;
    }
    return HaLaAktivClick(game, true);
}

int FoLaFileChosen(Game& game, int slot, std::string_view name, FileChoice choice) {
    GameState& state = game.state();
    auto& slots = state.settings.FollowLoadFiles;
    auto& counts = state.permanence.menu.CupFolge;
    if (slot < 1 || slot > FollowSlots) {
        return 0;
    }
    const auto firstEmpty = [&slots] {
        return static_cast<int>(std::find(slots.begin(), slots.end(), std::string()) -
                                slots.begin());
    };
    int index = slot - 1;
    if (choice == FileChoice::Dialog && slots[index].empty()) {
        index = firstEmpty();
    }
    slots[index] = chosenName(state, name, choice).string();
    if (!isExistingFile(slots[index])) {
        game.showError(9, FileSelector::FirstFollowFile + index);
        slots[index].clear();
        counts[index].reset();
        filesChanged(game);
        return 0;
    }
    if (choice == FileChoice::Typed) {
        const std::string typed = std::move(slots[index]);
        slots[index].clear();
        counts[index].reset();
        index = firstEmpty();
        slots[index] = typed;
    }
    state.permanence.load.FollowActive = true;
    Get_Info_CUP_SAF(game);
    counts[index] = coupsOf(state, slots[index]);
    setStartOptionDefaults(game);
    filesChanged(game);
    return index + 1;
}

bool SaLaFileChosen(Game& game, std::string_view name, FileChoice choice) {
    GameState& state = game.state();
    if (state.permanence.load.SaLaAktiv1) {
        SaLaAktiv1Click(game, false);
    }
    state.settings.CollectLoadFile = chosenName(state, name, choice).string();
    if (!isExistingFile(state.settings.CollectLoadFile)) {
        game.showError(11, FileSelector::CollectFile);
        state.settings.CollectLoadFile.clear();
        filesChanged(game);
        return false;
    }
    return SaLaAktiv1Click(game, true);
}

void openLoadMenu(Game& game) {
    prepareStartOptions(game);
}

void LaFileMenuOKClick(Game& game, bool shortCup, bool pauseAtLoadEnd) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    StartOptions& options = state.permanence.menu.options;
    if (set.SaLaAktiv1) {
        fillFromCollectFile(game);
    }
    closeUpFollowSlots(state);
    set.FollowActive = !state.settings.FollowLoadFiles[0].empty();
    state.settings.ShortCup = shortCup;
    if (set.HaLaAktiv && options.StartOptionsChanged) {
        // The confirmation promised that the load file starts anew.
        if (rewindMainLoadFile(game)) {
            set.SeparatorCount = 0;
            Set_Cup_of_Ladefile(game);
        } else {
            HaLaAktivClick(game, false);
        }
    }
    options.StartOptionsChanged = false;
    state.settings.PauseAtLoadEnd = pauseAtLoadEnd;
    filesChanged(game);
}

std::string loadFileFieldText(std::string_view fullName) {
    if (fullName.empty()) {
        return PermanenceTexts::NoFile;
    }
    return std::filesystem::path(fullName).filename().string();
}

} // namespace quendra
