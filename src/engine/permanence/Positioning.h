// `Set_Cup_of_Ladefile`: positions the open main load file at the start coup of the start mode,
// and in the random-attack mode leads the reader from one attack to the next.
#pragma once

#include <cstdint>

namespace quendra {

class Game;

// Normal start skips nothing. Fix and random start skip whole lines until at least
// start coup - 1 coups lie behind (so play begins with the first coup of the next line). The
// random start coup is drawn from RandomStartMin to RandomStartMax - 1; an empty range takes
// RandomStartMin. In the random-attack mode the first call for a file makes the attack plan and
// skips to attack 1; every later call (one per line the coup reader reads) takes one coup off
// the current attack and, once it is used up, skips the gap to the next attack or, after the
// last, the rest of the file. The status line shows the start coup (normal start: none).
void Set_Cup_of_Ladefile(Game& game);

// Skips whole lines of the open main file until at least `coups` coups (counted as
// CountCupsonFile counts) lie behind, or the file ends. Comment lines passed go into the system
// players' protocols when copyComments is set. Returns the coups skipped.
std::int64_t skipMainFileCoups(Game& game, std::int64_t coups, bool copyComments);

} // namespace quendra
