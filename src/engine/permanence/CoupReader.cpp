// The coup reader: lazy line reading of the main load file, the chain of follow files and the
// refill from the collect file.
#include "permanence/CoupReader.h"

#include "game/Game.h"
#include "permanence/CollectFile.h"
#include "permanence/LoadSet.h"
#include "permanence/PermanenceSyntax.h"
#include "permanence/PermanenceTexts.h"
#include "permanence/Positioning.h"
#include "permanence/ProtocolComments.h"
#include "settings/SettingsIo.h"
#include "statistics/StatisticsStore.h"
#include "text/FileLine.h"

#include <optional>

namespace quendra {

namespace {

bool mainFileAtEnd(LoadSet& set) {
    return !set.mainFile || set.mainFile->lines().atEnd();
}

// `PermanenceEnd` goes up every time the reader has looked for a line and the main file is at
// its end, also while the current row still holds tokens. The look that finds the file already
// at its end and switches to a follow file does not count: the file's end was noted when its
// last line was read, and the new main file is not at its end.
void notePermanenceEnd(LoadSet& set) {
    if (set.mainFile && set.mainFile->lines().atEnd()) {
        set.PermanenceEnd = true;
    }
}

void passDaySeparator(Game& game) {
    GameState& state = game.state();
    for (Player& player : state.players) {
        player.DaySeparatorSeen = true;
    }
    std::copy(state.LastSixteen.begin() + 1, state.LastSixteen.end(), state.LastSixteen.begin());
    state.LastSixteen.back() = DaySeparator;
    Permanenz_Append(state.statistics, DaySeparatorCode);
    ++state.permanence.load.SeparatorCount;
    game.host().changed(Change::Permanence);
}

void labelFileCoup(GameState& state) {
    const StartOptions& options = state.permanence.menu.options;
    const std::string& name = state.settings.MainLoadFile;
    switch (options.StartMode) {
    case LoadStartMode::Normal:
        state.NumberSource = name;
        break;
    case LoadStartMode::Fix:
        state.NumberSource = name + " (" + std::to_string(options.FixStartCoup) + ")";
        break;
    case LoadStartMode::Random:
        state.NumberSource = name + " (" + std::to_string(options.RandomStartCoup) + ")";
        break;
    case LoadStartMode::RandomAttacks:
        break;
    }
}

// Reads collect-file lines for the refill during play: every line is a name candidate, "//"
// lines included; empty lines are passed over.
std::optional<std::string> nextRefillName(TextFile& collect) {
    std::string line;
    while (collect.lines().next(line)) {
        std::string name = collectLineName(line);
        if (!name.empty()) {
            return name;
        }
    }
    return std::nullopt;
}

void refillFollowSlots(Game& game) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    auto& slots = state.settings.FollowLoadFiles;
    const auto folder = folderOf(state.settings.CollectLoadFile);
    for (int slot = 0; slot < FollowSlots && set.CollectActive && set.collectFile; ++slot) {
        if (!slots[slot].empty()) {
            continue;
        }
        const auto name = nextRefillName(*set.collectFile);
        bool missing = false;
        if (name) {
            slots[slot] = resolveCollectName(folder, *name).string();
            missing = !isExistingFile(slots[slot]);
            if (missing) {
                game.showError(9, FileSelector::FirstFollowFile + slot);
                slots[slot].clear();
            } else {
                set.FollowActive = true;
            }
        }
        if (set.collectFile->lines().atEnd()) {
            deactivateCollectLoadFile(game);
        }
        if (missing) {
            break;
        }
    }
}

void switchToNextFollowFile(Game& game) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    auto& slots = state.settings.FollowLoadFiles;
    for (Player& player : state.players) {
        player.SystemCoups = 0;
    }
    state.ResetRequest = false;

    closeMainLoadFile(state);
    state.settings.MainLoadFile = slots[0];
    if (!state.settings.MainLoadFile.empty()) {
        if (openMainLoadFile(game)) {
            Set_Cup_of_Ladefile(game);
        } else {
            state.settings.MainLoadFile.clear();
        }
    }
    std::move(slots.begin() + 1, slots.end(), slots.begin());
    slots.back().clear();
    set.FollowActive = !slots[0].empty();
    if (set.CollectActive) {
        refillFollowSlots(game);
    }
    game.host().changed(Change::LoadFiles);
}

// The next coup of the files, or nullopt when the load has ended.
std::optional<int> nextFileCoup(Game& game) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    const bool attacks = state.permanence.menu.options.StartMode == LoadStartMode::RandomAttacks;
    std::string line;
    while (!set.LoadEnd) {
        if (attacks && set.mainFile) {
            // Leads on to the next attack once the current one has had its coups.
            Set_Cup_of_Ladefile(game);
        }
        if (!set.LineHasMore) {
            if (mainFileAtEnd(set)) {
                if (set.FollowActive) {
                    switchToNextFollowFile(game);
                } else {
                    set.LoadEnd = true;
                }
                continue;
            }
            if (!set.mainFile->lines().next(line)) {
                continue;
            }
            notePermanenceEnd(set);
            if (!set.mainFile->lines().numberRow()) {
                copyCommentToProtocols(game, line);
                continue;
            }
            set.LineRest.assign(trimBlanks(line));
            set.LineRestPos = 0;
            set.LineHasMore = true;
        }
        if (set.LineRestPos >= set.LineRest.size()) {
            set.LineHasMore = false;
            continue;
        }
        std::string_view rest = std::string_view(set.LineRest).substr(set.LineRestPos);
        const Token token = readToken(takeToken(rest));
        set.LineRestPos = set.LineRest.size() - rest.size();
        if (token.kind == TokenKind::DaySeparator) {
            passDaySeparator(game);
            continue;
        }
        const int number = tokenNumber(token, state.table.HighestNumber);
        if (number < 0) {
            continue;
        }
        labelFileCoup(state);
        const bool frenchDoubleZero = token.doubleZero && state.table.FrenchTable;
        if (attacks) {
            passAttackCoup(state, !frenchDoubleZero);
        }
        if (frenchDoubleZero) {
            continue;
        }
        notePermanenceEnd(set);
        return token.doubleZero ? DoubleZero : number;
    }
    return std::nullopt;
}

int finishLoad(Game& game) {
    GameState& state = game.state();
    LoadSet& set = state.permanence.load;
    set.MatrixStatusVisible = false;
    set.MatrixStatus.clear();
    if (state.settings.PauseAtLoadEnd) {
        state.PauseRequest = true;
    }
    state.NumberSource = PermanenceTexts::ComputerSource;
    const int number =
        static_cast<int>(game.random().between(1, std::max(state.table.PocketCount - 1, 1)));
    set.PermanenceEnd = true;
    deactivateMainLoadFile(game);
    return number;
}

} // namespace

int Get_Cup_of_Ladefile(Game& game, int ballPocket) {
    std::optional<int> number;
    if (!game.state().permanence.load.LoadEnd) {
        number = nextFileCoup(game);
    }
    if (!number) {
        number = finishLoad(game);
    }
    return pocketDistance(game.state().table, *number, ballPocket);
}

int pocketDistance(const Table& table, int number, int ballPocket) {
    const int pocket = table.pocketOf(number);
    if (pocket == 0 || pocket == ballPocket) {
        return table.PocketCount;
    }
    return pocket > ballPocket ? pocket - ballPocket : pocket + table.PocketCount - ballPocket;
}

} // namespace quendra
