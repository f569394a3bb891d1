// The captions of the system-play menu `TSystemspielmenu` and its file dialog `OpenSysfile`.
#pragma once

#include "text/FileDialogFilter.h"
#include "text/Language.h"

#include <array>
#include <string_view>

namespace quendra {

inline constexpr BilingualText SystemPlayMenuCaption{"Systemspielmenü", "System game menu"};
// A group is headed by this and the player's number.
inline constexpr BilingualText SystemPlayMenuPlayerCaption{"Spieler ", "Player "};
inline constexpr BilingualText SystemFileLabel{"Systemspieldatei", "Systemgamefile"};
inline constexpr BilingualText ProtocolFileLabel{"Protokoll", "Protocol"};
inline constexpr BilingualText ActiveBoxCaption{"Aktiv", "Active"};
inline constexpr BilingualText ResetButtonCaption{"Reset", "Reset"};
inline constexpr BilingualText SystemPlayMenuOkCaption{"OK", "OK"};
inline constexpr BilingualText FullResetCaption{"Full Reset", "Full Reset"};

// The filters of the file dialog: the first for system files, the second for protocol files.
inline constexpr std::array<FileDialogFilter, 3> SystemPlayFileFilters{{
    {"SystemSpielfile", "*.SYF"},
    {"Protokolle", "*.OUT"},
    {"ALL", "*.*"},
}};
inline constexpr std::size_t SystemFileFilter = 0;
inline constexpr std::size_t ProtocolFileFilter = 1;

} // namespace quendra
