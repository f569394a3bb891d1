// The captions of the load menu `TLademenu` and the filters of its file dialog `HLadeopenfile`.
#pragma once

#include "text/FileDialogFilter.h"
#include "text/Language.h"

#include <array>
#include <cstddef>

namespace quendra {

inline constexpr BilingualText LoadMenuCaption{"Lademenü", "Load menu"};
inline constexpr BilingualText MainLoadFileGroupCaption{"Hauptladedatei", "Mainloadfile"};
inline constexpr BilingualText StartOptionGroupCaption{"Option", "Option"};
inline constexpr BilingualText FollowLoadFileGroupCaption{"Folgeladedatei", "Followloadfile"};
inline constexpr BilingualText CollectLoadFileGroupCaption{"Sammelladedatei", "Collectloadfile"};
inline constexpr BilingualText LoadFileActiveCaption{"Aktiv", "Active"};
inline constexpr BilingualText LoadFileResetCaption{"Reset", "Reset"};
// "Datei 1:" ... "Datei 6:": this, the slot and ":".
inline constexpr BilingualText FollowSlotCaption{"Datei ", "File "};
inline constexpr BilingualText NormalStartCaption{"Normal Start", "Normal Start"};
inline constexpr BilingualText FixStartCaption{"Fix Start", "Fix Start"};
inline constexpr BilingualText RandomStartCaption{"Zufall Start 1", "Random Start 1"};
inline constexpr BilingualText RandomAttacksCaption{"Zufall Start 2", "Random Start 2"};
inline constexpr BilingualText AttackLengthCaption{"Dauer", "Duration"};
inline constexpr BilingualText RandomRangeToCaption{"bis", "to"};
inline constexpr BilingualText AttackCountCaption{"max. Angriffe", "max. assaults"};
inline constexpr BilingualText PauseAtLoadEndCaption{"Pausemodus bei Ladedatei Ende",
                                                     "break modus on loadfile end"};
inline constexpr BilingualText ShortCupCaption{"Shortcup", "Shortcup"};
inline constexpr BilingualText LoadMenuOkCaption{"OK", "OK"};

inline constexpr std::array<FileDialogFilter, 4> LoadFileFilters{{
    {"Ladefile", "*.INP"},
    {"Sammeladefile", "*.SNP"},
    {"Textfile", "*.TXT"},
    {"ALL", "*.*"},
}};
// The filter chosen when the dialog opens for a load file and for a collect file.
inline constexpr std::size_t LoadFileFilter = 0;
inline constexpr std::size_t CollectFileFilter = 1;

} // namespace quendra
