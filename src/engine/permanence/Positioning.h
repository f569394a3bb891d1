// `Set_Cup_of_Ladefile`: positions the open main load file at the start coup of the start mode,
// and in the random-attack mode leads the reader from one attack to the next.
#pragma once

#include <cstdint>

namespace quendra {

class Game;
struct GameState;

// Normal start skips nothing. Fix and random start skip whole lines until at least
// start coup - 1 coups lie behind (so play begins with the first coup of the next line). The
// random start coup is drawn from RandomStartMin to RandomStartMax - 1; an empty range takes
// RandomStartMin. In the random-attack mode the first call for a file makes the attack plan and
// skips to attack 1; the coup reader calls it again before every coup it looks for, and once the
// current attack has had its coups the rest of its row is dropped and whole lines are skipped up
// to the next attack's start (after the last attack the rest of the file). Attacks count coups,
// not lines, so day separators and comment lines use none of them; every attack starts at the
// first row holding its start coup, as the fix start does, or right after the previous attack
// when that ran past it. The status line shows the start coup (normal start: none).
void Set_Cup_of_Ladefile(Game& game);

// The coup reader passed a coup of the file in the random-attack mode; a coup it played (not
// a French "00", which counts in the file but is no coup) is one of the current attack's.
void passAttackCoup(GameState& state, bool played);

// Skips whole lines of the open main file until at least `coups` coups (counted as
// CountCupsonFile counts) lie behind, or the file ends. Comment lines passed go into the system
// players' protocols when copyComments is set. Returns the coups skipped.
std::int64_t skipMainFileCoups(Game& game, std::int64_t coups, bool copyComments);

} // namespace quendra
