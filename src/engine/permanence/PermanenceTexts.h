// The fixed texts of the permanence files in both languages.
#pragma once

#include "text/Language.h"

namespace quendra::PermanenceTexts {

inline constexpr BilingualText LoadFileStatus{"Ladedatei: ", "Loadfile: "};
inline constexpr BilingualText StartOptionQuestion{
    "Bei Startoptionenwechsel erfolgt ein Ladefile Zurücksetzung!",
    "On a start option change the loadfile will be reset!"};
inline constexpr BilingualText StartOptionQuestionTitle{"Systemanfrage", "system inquiry"};
inline constexpr BilingualText SystemPlayActive{"Systemspiel aktiv!", "Systemgame activ!"};
inline constexpr BilingualText YearBlockTill{"bis", "till"};

inline constexpr const char* ComputerSource = "Computer";
inline constexpr const char* NoFile = "none";

} // namespace quendra::PermanenceTexts
