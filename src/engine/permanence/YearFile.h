// The year statistics file: one text file per calendar year in the program folder, to which
// every finished game appends a block of its coups in the permanence syntax.
#pragma once

#include "permanence/PermanenceState.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

namespace quendra {

class Game;
struct GameState;

// Program folder + "STAT" + the four-digit year + ".TXT".
std::filesystem::path yearFileName(const GameState& state, int year);

// `OpenYearFile`: opens the file of the current year for appending, creating it when missing.
// On failure error 6 names the file, `YearStatistics` is switched off and false returned.
bool OpenYearFile(Game& game);
void closeYearFile(GameState& state);

// `WriteYearBlock`: appends the block of the game so far (its start, now, `YearCups` and the
// spin history), flushes and closes the file. Nothing happens while no year file is open; a
// failed write shows error 6 and returns false.
bool WriteYearBlock(Game& game);

// The long day and month names of the system's regional settings, as 8-bit text. Names outside
// Latin-1 are not expected; a character that has no 8-bit form becomes "?".
CalendarNames systemCalendarNames();
// "dddd, d.mmmm.yyyy hh:mm" for a local time.
std::string yearBlockTime(std::chrono::system_clock::time_point time, const CalendarNames& names);
// The header line: ":: ", the start, " bis " ("till"), the end, "  Cups:: " and the count.
std::string yearBlockHeader(std::chrono::system_clock::time_point start,
                            std::chrono::system_clock::time_point end, int language,
                            std::uint16_t coups, const CalendarNames& names);
// One history entry in its three-character field: " 00", "  0", " 08", " 17", " --".
std::string yearEntryText(std::uint8_t code);
// The lines of a block: the header, an empty line, the entries 20 a line and the last,
// possibly shorter or empty, line; every line ending in CR LF. This is what the viewer shows.
std::string yearBlockLines(const std::string& header, std::span<const std::uint8_t> entries);
// A block as the file holds it: its lines and one empty line, so that a block of 40 coups ends
// with two empty lines and a block without coups is its header and three empty lines.
std::string yearBlockText(const std::string& header, std::span<const std::uint8_t> entries);

// What the "Jahr" menu item shows: the file of the current year with the block of the current
// game appended in memory (ending now, its last line appended even when empty).
struct YearFileView {
    std::string caption; // the file name without folder + " - Browse only"
    std::string text;    // 8-bit, lines ending in CR LF
};
YearFileView yearFileView(Game& game);
// `ShowYearFile`: with the game paused, closes the year file, lets `show` present the view
// (modally), then opens the file again for appending while the year statistics are on.
void ShowYearFile(Game& game, const std::function<void(const YearFileView&)>& show);

} // namespace quendra
