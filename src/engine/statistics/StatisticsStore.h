// The statistics store: how-often and since-when-not counters per bet field, the spin history
// of the game and the separately loaded analysis history, with their per-coup update.
#pragma once

#include "statistics/PlayerResults.h"
#include "table/BetField.h"
#include "table/PocketRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace quendra {

// Every stored history and every counter set holds at most this many coups.
inline constexpr int HistoryLimit = 32000;

// Counter arrays: one slot per bet field (section base + field index), slot 200 the coups
// counted. Slots 0-37 are the pleins (37 the double zero); 50 and 164-199 are never used.
inline constexpr int CounterSlots = 201;
inline constexpr int TotalSlot = 200;
inline constexpr int EvenChanceBase = 37;
inline constexpr int ColumnBase = 43;
inline constexpr int DozenBase = 46;
inline constexpr int TransversalePleinBase = 50;
inline constexpr int TransversaleSimpleBase = 66;
inline constexpr int CarreBase = 77;
inline constexpr int ChevalBase = 100;

using CounterArray = std::array<std::uint16_t, CounterSlots>;

// The since-when-not counters of the game, one per counter slot: a field's count is the coups
// counted since it last won, the total slot's the coups counted. Each slot keeps the coup it last
// won at, so a coup advances one clock instead of every slot. At most 32000 coups are counted
// between two clears, so the 16-bit differences are exact.
class SinceNotCounters {
public:
    std::uint16_t operator[](int slot) const {
        return static_cast<std::uint16_t>(coups_ - wonAt_[static_cast<std::size_t>(slot)]);
    }
    // One more coup for every slot.
    void advance() { ++coups_; }
    // The slot counts from 0 again.
    void won(int slot) { wonAt_[static_cast<std::size_t>(slot)] = coups_; }
    // The slot counts on from the given count.
    void set(int slot, std::uint16_t count) {
        wonAt_[static_cast<std::size_t>(slot)] = static_cast<std::uint16_t>(coups_ - count);
    }
    void clear() {
        coups_ = 0;
        wonAt_.fill(0);
    }
    // Every slot's count.
    CounterArray counts() const;

private:
    std::uint16_t coups_ = 0;
    CounterArray wonAt_{};
};

// The slot of a bet field in a counter array; nullopt for an index outside the field kind.
std::optional<int> counterSlot(BetField field);

// Coup codes: one byte per stored coup. A red number, the zero and the double zero (37) are
// stored as the number, a black number as number + 50, a day separator as 251.
inline constexpr std::uint8_t BlackCodeOffset = 50;
inline constexpr std::uint8_t DaySeparatorCode = 251;

// The coup code of a pocket, by its colour letter: 'R' and 'H' the number, 'S' number + 50.
// A pocket with any other letter takes the colour of its number, so the history never keeps a
// stale byte, and the zeros are never stored as black; nullopt when the pocket holds no
// roulette number (above 37).
std::optional<std::uint8_t> CoupCode(const PocketRecord& pocket);
// The number a coup code stands for; nullopt for the day separator.
std::optional<int> CoupNumber(std::uint8_t code);

struct StatisticsStore {
    // The game statistics, fed once per coup.
    CounterArray StatHowOften{};
    SinceNotCounters StatSinceNot;
    std::array<std::uint8_t, HistoryLimit> Permanenz{}; // position p is Permanenz[p - 1]
    std::int32_t PermanenzPos = 1;                      // next position written, 1 to 32001
    std::uint16_t YearCups = 0;

    // The analysis statistics, recomputed in one pass after each load; no since-when-not.
    CounterArray AnalysisHowOften{}; // slot 200: coups in the analysed files
    std::array<std::uint8_t, HistoryLimit> AnalysisPermanenz{};
    std::uint16_t AnalysisSeparatorCount = 0;

    // What the player statistics computed when last shown; the counters' reset clears them.
    PlayerResults playerResults{};

    // The entries stored in Permanenz, oldest first.
    std::span<const std::uint8_t> gameHistory() const;
    // The entries of AnalysisPermanenz, coups and day separators together, oldest first.
    std::span<const std::uint8_t> analysisHistory() const;
};

// Stores the code at PermanenzPos while the history has room; PermanenzPos advances up to 32001,
// so once full the history silently keeps its first 32000 entries.
void Permanenz_Append(StatisticsStore& store, std::uint8_t code);

enum class StatCount : std::uint8_t {
    Counted,
    // This coup was counted and was the 32000th: the caller shows info 2, once.
    LimitReached,
    // Nothing changed: 32000 coups are already counted, or the pocket holds no roulette number.
    NotCounted,
};

// Counts one coup of the game in StatHowOften, StatSinceNot and YearCups. Plein, even chances,
// columns, dozens and the total are always counted; the since-when-not counters advance and
// the transversales, carrés and chevaux are counted only with extendedStatistics on.
StatCount Stat_Update(StatisticsStore& store, const PocketRecord& pocket, bool extendedStatistics);

// Whether counting the coup would make it the 32000th counted, the one info 2 announces before
// it is counted.
bool Stat_CountsLastCoup(const StatisticsStore& store, const PocketRecord& pocket);

// The spin cycle's step for one coup: the coup goes into the history, then into the counters.
StatCount Stat_RecordCoup(StatisticsStore& store, const PocketRecord& pocket,
                          bool extendedStatistics);

// Clears the how-often and since-when-not counters and the player results; the history and
// YearCups stay.
void Stat_Reset(StatisticsStore& store);
// End of a game: the counters are cleared, YearCups restarts and the history is emptied
// (its bytes stay, only PermanenzPos goes back to 1).
void Stat_EndGame(StatisticsStore& store);

// "Datei laden": empties the analysis history and its coup and separator counts.
void Analysis_Clear(StatisticsStore& store);
// Appends one code to the analysis history and counts it as a coup or a day separator; false,
// with nothing changed, when the history already holds 32000 entries.
bool Analysis_Append(StatisticsStore& store, std::uint8_t code);
// Recomputes AnalysisHowOften slots 0-199 from the analysis history over the given wheel; slot
// 200 stays as the loader set it. The inner-table fields are always counted. An entry whose
// number no pocket holds is passed over.
void Analysis_Recount(StatisticsStore& store, std::span<const PocketRecord> pocketTable);

} // namespace quendra
