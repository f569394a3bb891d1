#include "support/FuzzSupport.h"

#include "game/StartUp.h"
#include "table/Table.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace quendra::fuzz {

const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("quendra-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

std::filesystem::path writeScratchFile(std::string_view name, std::string_view bytes) {
    const auto file = scratchFolder() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

FuzzGame::FuzzGame(TableType table) {
    initialiseGameState(game.state(), scratchFolder());
    Table& t = game.state().table;
    t.FrenchTable = table == TableType::French;
    t.HighestNumber = highestNumber(table);
    t.PocketCount = pocketCount(table);
    t.PocketTable = standardPocketTable(table);
    t.BallPocket = 1;
    game.state().settings.FrenchTable = t.FrenchTable;
}

std::pair<std::string_view, std::string_view> splitAtNul(std::string_view text) {
    const auto nul = text.find('\0');
    if (nul == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, nul), text.substr(nul + 1)};
}

void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", property);
        std::abort();
    }
}

} // namespace quendra::fuzz
