// What every command needs before it runs: the program folder and a fresh game on the CLI host.
#pragma once

#include "game/Game.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace quendra::cli {

// `--home` when given, else QUENDRA_HOME when set, else the executable's folder.
std::filesystem::path programFolderFor(const std::optional<std::string>& home);

// A game in its start state for the program folder, with system play installed and the default
// settings in the given language; held on the heap, as the game state carries its histories. Seeded
// when a seed is given, else from the system.
std::unique_ptr<Game> newGame(Host& host, const std::filesystem::path& programFolder,
                              std::optional<std::uint64_t> seed = std::nullopt,
                              std::optional<int> language = std::nullopt);

} // namespace quendra::cli
