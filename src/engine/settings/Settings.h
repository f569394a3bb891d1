// The settings record: every user setting with its default, and the rules that read one setting.
#pragma once

#include <array>
#include <chrono>
#include <string>

namespace quendra {

// The files a player had in use: his system file and his protocol file (full names, may be empty).
struct PlayerFilePair {
    std::string SystemFile;
    std::string OutputFile;

    bool operator==(const PlayerFilePair&) const = default;
};

inline constexpr int SettingsPlayerCount = 4;
inline constexpr int FollowLoadFileCount = 6;

// Strings are kept as the 8-bit text the store holds. Arrays are 0-based: PlayerFiles[0] is
// player 1, FollowLoadFiles[0] is follow slot 1.
struct Settings {
    int Language = 0; // 0 German, 1 English; also the index into every language table
    int PlayerCount = 1;
    int InitialCapital = 2000;
    bool StatComment = false;
    bool ClickSound = false;
    bool YearStatistics = true;
    bool ExtendedStatistics = true;
    bool WinPiecesToProfit = true;
    int TipRule = 0; // 0 "OFF", 1 "PL", 2 "PL-CH"
    int ResolutionIndex = -1;
    int TimeBarDelay = 50; // percent; see timeBarDelayInUse
    bool ManualTimeBar = false;
    bool StartScreenOff = false;
    bool ShowSyntax = true;
    bool ShowPieces = true;
    bool ShowReal = false;
    int PieceValue = 1;
    bool EditorSyntax = true;
    bool ShortCup = false;
    bool ShowDolly = true;
    bool ReplayStop = false;
    bool ChipLimitOn = false;
    int ChipLimit = 50;
    bool AutoUpdateCheck = false;
    int UpdateInterval = 0; // 0 every month, 1 every 2, 2 every 3, 3 every 6 months, 4 every year
    // Not a valid date until the settings are read: the stored default "0" means today, and the
    // engine learns today's date only from its caller. An invalid date is stored as "0".
    std::chrono::year_month_day NextUpdateCheck{};
    bool ZeroHandling = true;
    bool PauseAtLoadEnd = false;
    bool SingleColourChips = false;
    bool FrenchTable = true;
    bool ShowSelection = true;
    std::array<PlayerFilePair, SettingsPlayerCount> PlayerFiles{};
    std::string MainLoadFile;
    std::string CollectLoadFile;
    std::array<std::string, FollowLoadFileCount> FollowLoadFiles{};

    // Section "Daten": the colour-depth check at start-up has run once.
    bool DisplayCol = false;

    bool operator==(const Settings&) const = default;
};

// Puts back the defaults of the general options and, with clearFiles, forgets the players'
// files, the main load file and the follow slots. Every other field, the collect load file
// included, keeps its value: the options dialog's "Default" relies on that.
void SetDefaults(Settings& settings, bool clearFiles);

// The time-bar delay the game runs with: a stored delay outside 0-100 is used as 50. The setting
// itself keeps its value, so the user finds it unchanged in the options dialog.
int timeBarDelayInUse(int storedDelay);
// Game-timer ticks per coup for a stored delay: 30 x the delay in use, at least 1.
int timeBarLimit(int storedDelay);

} // namespace quendra
