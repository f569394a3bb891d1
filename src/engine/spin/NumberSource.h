// Where a coup's number comes from: the load files, a number picked by hand or the random
// generator, each as the pockets the ball travels; the extra wheel turns; and the source label
// the protocol files print when the source changes.
#pragma once

#include "game/Game.h"

#include <string_view>

namespace quendra {

inline constexpr std::string_view ComputerSource = "Computer";
inline constexpr std::string_view ManualSource = "Manuell";

// `BallSteps` and `NumberSource` from the first source that applies: the main load file's coup
// reader, the random generator when no number is picked (1 to `HighestNumber` pockets, so the
// ball never stops in the pocket of the previous coup), else the picked number's `ManualSteps`.
void DrawBallSteps(Game& game);

// The extra turns the ball runs: with `ShortCup` one pocket; otherwise two whole turns (three
// with probability 1/4) plus one pocket. Whole turns never change the winning pocket; the one
// pocket makes up for the run moving `BallSteps` − 1 pockets.
void AddExtraTurns(Game& game);

// `SourceChange` holds the source's label only for the first coup of a new source and is empty
// otherwise.
void UpdateSourceChange(GameState& state);

} // namespace quendra
