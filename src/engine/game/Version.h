// The program's name and version as the user sees them.
#pragma once

#include <string_view>

namespace quendra {

inline constexpr std::string_view ProductName = "Quendra";
inline constexpr std::string_view VersionNumber = QUENDRA_VERSION;
// Shown in the about box.
inline constexpr std::string_view VersionText = "Version 3.8 W/M";

} // namespace quendra
