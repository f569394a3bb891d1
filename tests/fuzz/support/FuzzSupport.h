// Shared pieces of the fuzz targets: a folder of this process for the files the readers open,
// a quiet host that declines every question, and a check that stops the run when a property of
// the code under test does not hold.
#pragma once

#include "game/Game.h"
#include "game/Host.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <utility>

namespace quendra::fuzz {

// Declines every question and cancels every request; the clock stands still.
class QuietHost : public Host {
public:
    void showMessage(const MessageBoxData&) override {}
    bool askQuestion(const MessageBoxData&) override { return false; }
    void wait(int) override {}
    void changed(Change) override {}
    std::chrono::system_clock::time_point now() const override { return {}; }
};

// A folder of this process below the system's temporary folder (TMPDIR), created on first use
// and reused by every input; each file in it is rewritten for each input. libFuzzer ends the
// process without running exit handlers, so the folder stays: scripts/fuzz points TMPDIR at a
// folder of its own that it removes.
const std::filesystem::path& scratchFolder();
// Writes the bytes to the named file of the scratch folder and returns its full name.
std::filesystem::path writeScratchFile(std::string_view name, std::string_view bytes);

// A game over the scratch folder as its program folder, the standard wheel of the table in
// play and a fixed random seed, so that a crashing input crashes again.
class FuzzGame {
public:
    explicit FuzzGame(TableType table);

    QuietHost host;
    Game game{host, 1};
};

// The input as text.
inline std::string_view textOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Splits at the first NUL byte: the text before it and the text after it (empty without one).
std::pair<std::string_view, std::string_view> splitAtNul(std::string_view text);

// Stops the run with a report when a property of the code under test fails.
void require(bool holds, const char* property);

} // namespace quendra::fuzz
