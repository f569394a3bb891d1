// The state of the permanence files: the open load-file set with its reader, the load menu's
// start options and file list, the analysis bookkeeping and the open year statistics file.
#pragma once

#include "permanence/LineReader.h"
#include "statistics/StatisticsView.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quendra {

class ProtocolCommentSink;

inline constexpr int FollowSlots = 6;

// The open load-file set as the coup reader works through it.
struct LoadSet {
    std::unique_ptr<TextFile> mainFile; // open while `HaLaAktiv` is ticked
    // The current number row being taken apart token by token: `LineRest` from LineRestPos on.
    std::string LineRest;
    std::size_t LineRestPos = 0;
    bool LineHasMore = false;
    bool FollowActive = false;       // follow slot 1 is filled
    bool CollectActive = false;      // the collect file is open for refilling and not yet exhausted
    bool LoadEnd = false;            // the main file ended and no follow file was left
    bool PermanenceEnd = false;      // the main file reached its end; system play lowers it
    std::int32_t SeparatorCount = 0; // day separators met since the main file was activated
    std::unique_ptr<TextFile> collectFile; // open while `SaLaAktiv1` is ticked

    bool HaLaAktiv = false;  // the main load file is active: the game takes its coups from it
    bool SaLaAktiv1 = false; // the collect load file is active
    // The main window's load-file status line `Matrix_Status`.
    bool MatrixStatusVisible = false;
    std::string MatrixStatus;
};

enum class LoadStartMode : std::uint8_t { Normal = 0, Fix = 1, Random = 2, RandomAttacks = 3 };

// The signal lamps of the load menu: does a start value fit the load files?
enum class Lamp : std::uint8_t { Red, Green, YellowBlinking };

// One stretch of the random-attack mode; start is a 1-based coup number of the file.
struct Attack {
    std::int64_t AttackStart = 0;
    std::int64_t AttackLeft = 0;
    std::int64_t AttackPlanned = 0;
};

struct AttackPlan {
    std::vector<Attack> attacks; // attack k is attacks[k - 1]
    int current = 0;             // 1-based; 0 while no plan is made
    std::int64_t total = 0;      // coups of the file the plan is made for
    std::int64_t position = 0;   // coups of the file passed so far, played or skipped
    std::string file;            // the main file the plan is made for; empty: no plan

    bool made() const { return current != 0; }
};

// The start options of the load menu: part of the settings by role, never stored. Coup numbers
// and counts are 64-bit, since one load file may hold more coups than 16 bits can count.
struct StartOptions {
    LoadStartMode StartMode = LoadStartMode::Normal;
    std::int64_t FixStartCoup = 1;
    std::int64_t RandomStartMin = 1;
    std::int64_t RandomStartMax = 1;
    std::int64_t RandomStartCoup = 1;
    int MaxAttacks = 1;
    std::int64_t AttackLength = 1;
    bool StartOptionsChanged = false;
    std::int64_t LowestCount = 1;
    AttackPlan plan;
};

// A load file the menu knows, with its coup count.
struct LoadFileEntry {
    std::string name;
    std::int64_t coups = 0;

    bool operator==(const LoadFileEntry&) const = default;
};

// What the load menu shows beside the load-file set.
struct LoadMenuState {
    StartOptions options;
    std::vector<LoadFileEntry> LoadFileInfo;
    std::optional<std::int64_t> CupCounterHaupt; // coups of the main file, empty: none shown
    std::array<std::optional<std::int64_t>, FollowSlots> CupFolge{};
    Lamp FixLed = Lamp::Red;
    Lamp ZuRaLed = Lamp::Red;
    Lamp ZuAnLed = Lamp::Red;
    bool startOptionsEnabled = false;
    bool randomAttacksEnabled = false;
    // The hint of `ZuAnLed` while a system player plays; empty otherwise.
    std::string attackLampHint;
};

// The bookkeeping of the analysis menu (the statistics windows' captions read its files and
// counts) and what its entries show. First/last file names are without their folder.
struct AnalysisState : AnalysisBookkeeping {
    bool LadeADateiChecked = false;      // "Datei laden ..." ticked
    bool analysisEntriesEnabled = false; // "Datei addieren ...", "Permanenz", "Statistik"
};

// Long day names (Sunday first) and month names (January first), 8-bit, as the system's
// regional settings give them.
struct CalendarNames {
    std::array<std::string, 7> days;
    std::array<std::string, 12> months;
};

struct YearFileState {
    std::unique_ptr<std::ofstream> file; // open for appending while the year statistics are on
    std::filesystem::path name;          // the file that is open
    std::chrono::system_clock::time_point ProgramStartTime{};
    std::optional<CalendarNames> calendarNames; // none: taken from the system when needed
};

struct PermanenceState {
    LoadSet load;
    LoadMenuState menu;
    AnalysisState analysis;
    YearFileState year;
    ProtocolCommentSink* protocolSink = nullptr; // not owned
};

} // namespace quendra
