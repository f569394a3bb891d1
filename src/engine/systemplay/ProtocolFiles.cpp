// The protocol files of the system players.
#include "systemplay/ProtocolFiles.h"

#include "text/FileLine.h"

#include <filesystem>

namespace quendra {
namespace {

constexpr BilingualText NetTitle{"Gew/Ver", "Pro/Los"};
constexpr BilingualText StakeTitle{"Gesetzt", "Sedate"};
constexpr BilingualText CapitalTitle{"Guthaben", "Assets"};
constexpr std::string_view ColumnGap = "   ";
constexpr std::string_view LineEnd = "\r\n";

void appendRightAligned(std::string& line, std::string_view text, std::size_t width) {
    if (text.size() < width) {
        line.append(width - text.size(), ' ');
    }
    line += text;
}

void appendNumber(std::string& line, std::int64_t value, std::size_t width) {
    appendRightAligned(line, std::to_string(value), width);
}

std::unique_ptr<std::ofstream>& protocolOf(Game& game, int player) {
    return game.state().systemPlay.protocols.at(static_cast<std::size_t>(player - 1));
}

// Both names lead to the same file; names of files that do not exist yet are compared as
// written, after removing "." and ".." steps.
bool sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::exists(a, error) && std::filesystem::exists(b, error)) {
        const bool same = std::filesystem::equivalent(a, b, error);
        if (!error) {
            return same;
        }
    }
    return std::filesystem::path(a).lexically_normal() ==
           std::filesystem::path(b).lexically_normal();
}

bool usedByAnotherPlayer(const GameState& state, int player) {
    const std::string& file = state.player(player).sys.ProtocolFile;
    for (int other = 1; other <= PlayerSlots; ++other) {
        const std::string& otherFile = state.player(other).sys.ProtocolFile;
        if (other != player && !otherFile.empty() && sameFile(file, otherFile)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string protocolHeaderLine(std::string_view systemFile, Language language) {
    std::string line;
    appendRightAligned(line, "GZ", 3);
    appendRightAligned(line, NetTitle[language], 12);
    appendRightAligned(line, StakeTitle[language], 12);
    appendRightAligned(line, CapitalTitle[language], 12);
    line += ColumnGap;
    line += systemFile;
    return line;
}

std::string protocolCoupLine(int number, std::int32_t net, std::int32_t stake, std::int32_t capital,
                             std::string_view sourceLabel) {
    std::string line;
    appendNumber(line, number, 3);
    appendNumber(line, net, 12);
    appendNumber(line, stake, 12);
    appendNumber(line, capital, 12);
    line += ColumnGap;
    line += sourceLabel;
    return line;
}

bool OpenProtocolFile(Game& game, int player) {
    const int fileSelector = FileSelector::FirstProtocolFile + player - 1;
    if (usedByAnotherPlayer(game.state(), player)) {
        game.showError(18, fileSelector);
        return false;
    }
    const std::string& file = game.state().player(player).sys.ProtocolFile;
    auto stream = std::make_unique<std::ofstream>(file, std::ios::binary | std::ios::app);
    if (!stream->is_open()) {
        game.showError(4, fileSelector);
        return false;
    }
    protocolOf(game, player) = std::move(stream);
    return true;
}

void CloseProtocolFile(Game& game, int player) {
    protocolOf(game, player).reset();
}

bool ProtocolFileOpen(const Game& game, int player) {
    return game.state().systemPlay.protocols.at(static_cast<std::size_t>(player - 1)) != nullptr;
}

void SwitchProtocolOff(Game& game, int player) {
    game.state().player(player).sys.ProtocolActive = false;
    CloseProtocolFile(game, player);
}

void WriteProtocolHeader(Game& game, int player) {
    SysSpieler& sys = game.state().player(player).sys;
    WriteProtocolLine(game, player, protocolHeaderLine(sys.SystemFile, game.state().language()));
    WriteProtocolLine(game, player, ProtocolRule);
    sys.HeaderWritten = true;
}

void WriteProtocolLine(Game& game, int player, std::string_view line) {
    std::ofstream* file = protocolOf(game, player).get();
    if (file == nullptr) {
        return;
    }
    file->write(line.data(), static_cast<std::streamsize>(line.size()));
    file->write(LineEnd.data(), static_cast<std::streamsize>(LineEnd.size()));
    file->flush();
    // A full or vanished device: the user learns that his protocol stops here (the lines
    // written so far stay), and the system plays on without it.
    if (!*file) {
        SwitchProtocolOff(game, player);
        game.showError(4, FileSelector::FirstProtocolFile + player - 1);
    }
}

void WriteCoupProtocolLines(Game& game) {
    GameState& state = game.state();
    for (int p = 1; p <= PlayerSlots; ++p) {
        const Player& player = state.player(p);
        if (!player.sys.SystemActive || !player.sys.ProtocolActive) {
            continue;
        }
        WriteProtocolLine(game, p,
                          protocolCoupLine(state.table.ballNumber(), player.CoupNet, player.BetSum,
                                           player.Capital, state.SourceChange));
    }
}

void CloseProtocolFiles(Game& game) {
    for (int p = 1; p <= PlayerSlots; ++p) {
        SwitchProtocolOff(game, p);
    }
}

} // namespace quendra
