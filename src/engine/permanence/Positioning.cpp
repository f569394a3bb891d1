// Start positions in the main load file and the random-attack plan.
#include "permanence/Positioning.h"

#include "game/Game.h"
#include "permanence/CoupCounter.h"
#include "permanence/LoadSet.h"
#include "permanence/PermanenceSyntax.h"
#include "permanence/ProtocolComments.h"

#include <algorithm>

namespace quendra {

namespace {

// Coups a number row holds, as the counter counts them.
std::int64_t coupsInRow(std::string_view row, int highestNumber) {
    std::int64_t coups = 0;
    std::string_view rest = trimBlanks(row);
    while (!rest.empty()) {
        if (tokenNumber(readToken(takeToken(rest)), highestNumber) >= 0) {
            ++coups;
        }
    }
    return coups;
}

void skipRestOfFile(GameState& state) {
    TextFile* file = state.permanence.load.mainFile.get();
    std::string line;
    while (file != nullptr && file->lines().next(line)) {
    }
}

// A random integer from 0 to count - 1; 0 for an empty range, the shortest valid start.
std::int64_t drawBelow(Game& game, std::int64_t count) {
    return count > 0 ? game.random().between(0, count - 1) : 0;
}

std::int64_t attackLength(std::int64_t start, std::int64_t length, std::int64_t total) {
    if (start + length > total) {
        return std::max<std::int64_t>(total - start, 0);
    }
    return length;
}

void makeAttackPlan(Game& game) {
    GameState& state = game.state();
    StartOptions& options = state.permanence.menu.options;
    AttackPlan& plan = options.plan;
    const std::string& file = state.settings.MainLoadFile;
    plan = AttackPlan{};
    plan.file = file;
    plan.total = CountCupsonFile(file, state.table.HighestNumber).value_or(0);
    const int attacks = std::clamp(options.MaxAttacks, 1, 50);
    const std::int64_t segment = plan.total / attacks;
    const std::int64_t length = options.AttackLength;
    std::int64_t previousEnd = 0;
    for (int k = 1; k <= attacks; ++k) {
        Attack attack;
        if (k == 1) {
            attack.AttackStart = std::max<std::int64_t>(
                drawBelow(game, std::max<std::int64_t>(segment - length, 1)), 1);
        } else {
            attack.AttackStart = previousEnd + drawBelow(game, segment * k - previousEnd - length);
        }
        attack.AttackPlanned = attackLength(attack.AttackStart, length, plan.total);
        attack.AttackLeft = attack.AttackPlanned;
        previousEnd = attack.AttackStart + attack.AttackPlanned;
        plan.attacks.push_back(attack);
    }
    plan.current = 1;
}

// Skips to the row holding the attack's first coup, or the first row after the current one
// when the reader is already past that.
void skipToAttack(Game& game, const Attack& attack, bool copyComments) {
    AttackPlan& plan = game.state().permanence.menu.options.plan;
    plan.position += skipMainFileCoups(game, attack.AttackStart - 1 - plan.position, copyComments);
    showLoadStatus(game, attack.AttackStart);
}

void startAttacks(Game& game) {
    makeAttackPlan(game);
    skipToAttack(game, game.state().permanence.menu.options.plan.attacks.front(), true);
}

// Coups still in the row the reader is taking apart; the row is dropped.
std::int64_t dropCurrentRow(GameState& state) {
    LoadSet& set = state.permanence.load;
    std::int64_t coups = 0;
    if (set.LineHasMore && set.LineRestPos < set.LineRest.size()) {
        coups = coupsInRow(std::string_view(set.LineRest).substr(set.LineRestPos),
                           state.table.HighestNumber);
    }
    set.LineRest.clear();
    set.LineRestPos = 0;
    set.LineHasMore = false;
    return coups;
}

void continueAttacks(Game& game) {
    GameState& state = game.state();
    AttackPlan& plan = state.permanence.menu.options.plan;
    const Attack& attack = plan.attacks[static_cast<std::size_t>(plan.current - 1)];
    if (attack.AttackLeft > 0) {
        return;
    }
    plan.position += dropCurrentRow(state);
    if (plan.current >= static_cast<int>(plan.attacks.size())) {
        skipRestOfFile(state);
        return;
    }
    ++plan.current;
    skipToAttack(game, plan.attacks[static_cast<std::size_t>(plan.current - 1)], false);
}

std::int64_t drawRandomStart(Game& game, const StartOptions& options) {
    const std::int64_t range = options.RandomStartMax - options.RandomStartMin;
    return options.RandomStartMin + drawBelow(game, range);
}

} // namespace

void passAttackCoup(GameState& state, bool played) {
    AttackPlan& plan = state.permanence.menu.options.plan;
    if (!plan.made()) {
        return;
    }
    ++plan.position;
    if (played) {
        Attack& attack = plan.attacks[static_cast<std::size_t>(plan.current - 1)];
        attack.AttackLeft = std::max<std::int64_t>(attack.AttackLeft - 1, 0);
    }
}

std::int64_t skipMainFileCoups(Game& game, std::int64_t coups, bool copyComments) {
    GameState& state = game.state();
    TextFile* file = state.permanence.load.mainFile.get();
    std::int64_t skipped = 0;
    std::string line;
    while (file != nullptr && skipped < coups && file->lines().next(line)) {
        if (file->lines().numberRow()) {
            skipped += coupsInRow(line, state.table.HighestNumber);
        } else if (copyComments) {
            copyCommentToProtocols(game, line);
        }
    }
    return skipped;
}

void Set_Cup_of_Ladefile(Game& game) {
    GameState& state = game.state();
    StartOptions& options = state.permanence.menu.options;
    switch (options.StartMode) {
    case LoadStartMode::Normal:
        showLoadStatus(game);
        break;
    case LoadStartMode::Fix:
        skipMainFileCoups(game, options.FixStartCoup - 1, true);
        showLoadStatus(game, options.FixStartCoup);
        break;
    case LoadStartMode::Random:
        options.RandomStartCoup = drawRandomStart(game, options);
        skipMainFileCoups(game, options.RandomStartCoup - 1, true);
        showLoadStatus(game, options.RandomStartCoup);
        break;
    case LoadStartMode::RandomAttacks:
        if (options.plan.made() && options.plan.file == state.settings.MainLoadFile) {
            continueAttacks(game);
        } else {
            startAttacks(game);
        }
        break;
    }
}

} // namespace quendra
