// The per-coup counting of the statistics store: it runs once per coup in the super-short game,
// so it touches fixed arrays only and never walks the history.
#include "statistics/StatisticsStore.h"

#include <algorithm>

namespace quendra {
namespace {

struct CounterSection {
    int base;
    int lastIndex;
};

constexpr CounterSection EvenChances{EvenChanceBase, 6};
constexpr CounterSection Columns{ColumnBase, 3};
constexpr CounterSection Dozens{DozenBase, 3};
constexpr CounterSection TransversalesPleines{TransversalePleinBase, 16};
constexpr CounterSection TransversalesSimples{TransversaleSimpleBase, 11};
constexpr CounterSection Carres{CarreBase, 23};
constexpr CounterSection Chevals{ChevalBase, 63};

constexpr int HighestCounted = DoubleZero;

std::optional<CounterSection> sectionOf(BetKind kind) {
    switch (kind) {
    case BetKind::EvenChance:
        return EvenChances;
    case BetKind::Column:
        return Columns;
    case BetKind::Dozen:
        return Dozens;
    case BetKind::TransversalePlein:
        return TransversalesPleines;
    case BetKind::TransversaleSimple:
        return TransversalesSimples;
    case BetKind::Carre:
        return Carres;
    case BetKind::Cheval:
        return Chevals;
    case BetKind::Plein:
        break;
    }
    return std::nullopt;
}

// Counts the fields one winning pocket covers. A field code of 0 means "none" wherever it
// stands, and a code outside its section is passed over, so a damaged wheel record can neither
// count a neighbouring section's slot nor write outside the array.
class FieldCounter {
public:
    FieldCounter(CounterArray& howOften, SinceNotCounters* sinceNot)
        : howOften_(howOften), sinceNot_(sinceNot) {}

    void count(int slot) {
        ++howOften_[slot];
        if (sinceNot_ != nullptr) {
            sinceNot_->won(slot);
        }
    }

    template <std::size_t N>
    void count(CounterSection section, const std::array<std::uint8_t, N>& codes) {
        for (std::uint8_t code : codes) {
            count(section, code);
        }
    }

    void count(CounterSection section, std::uint8_t code) {
        if (code >= 1 && code <= section.lastIndex) {
            count(section.base + code);
        }
    }

    // Even chances, column and dozen: never for the zeros.
    void countOuterFields(const PocketRecord& pocket) {
        if (pocket.number == 0 || pocket.number == DoubleZero) {
            return;
        }
        count(EvenChances, pocket.evenChances);
        count(Columns, pocket.column);
        count(Dozens, pocket.dozen);
    }

    // Transversales, carrés and chevaux: the zeros take part.
    void countInnerFields(const PocketRecord& pocket) {
        count(TransversalesPleines, pocket.transversales);
        count(TransversalesSimples, pocket.simples);
        count(Carres, pocket.carres);
        count(Chevals, pocket.chevals);
    }

private:
    CounterArray& howOften_;
    SinceNotCounters* sinceNot_;
};

std::span<const std::uint8_t> firstEntries(const std::array<std::uint8_t, HistoryLimit>& history,
                                           int count) {
    return std::span<const std::uint8_t>(history).first(
        static_cast<std::size_t>(std::clamp(count, 0, HistoryLimit)));
}

} // namespace

CounterArray SinceNotCounters::counts() const {
    CounterArray counts{};
    for (int slot = 0; slot < CounterSlots; ++slot) {
        counts[static_cast<std::size_t>(slot)] = (*this)[slot];
    }
    return counts;
}

std::optional<int> counterSlot(BetField field) {
    if (field.kind == BetKind::Plein) {
        if (field.index < 0 || field.index > HighestCounted) {
            return std::nullopt;
        }
        return field.index;
    }
    const CounterSection section = *sectionOf(field.kind);
    if (field.index < 1 || field.index > section.lastIndex) {
        return std::nullopt;
    }
    return section.base + field.index;
}

std::optional<std::uint8_t> CoupCode(const PocketRecord& pocket) {
    const int number = pocket.number;
    if (number > HighestCounted) {
        return std::nullopt;
    }
    const bool zero = number == 0 || number == DoubleZero;
    const bool knownLetter = pocket.colour == 'R' || pocket.colour == 'S' || pocket.colour == 'H';
    const bool black =
        !zero && (knownLetter ? pocket.colour == 'S' : colourOf(number) == Colour::Black);
    return static_cast<std::uint8_t>(black ? number + BlackCodeOffset : number);
}

std::optional<int> CoupNumber(std::uint8_t code) {
    if (code == DaySeparatorCode) {
        return std::nullopt;
    }
    return code > BlackCodeOffset ? code - BlackCodeOffset : code;
}

std::span<const std::uint8_t> StatisticsStore::gameHistory() const {
    return firstEntries(Permanenz, PermanenzPos - 1);
}

std::span<const std::uint8_t> StatisticsStore::analysisHistory() const {
    return firstEntries(AnalysisPermanenz, AnalysisHowOften[TotalSlot] + AnalysisSeparatorCount);
}

void Permanenz_Append(StatisticsStore& store, std::uint8_t code) {
    if (store.PermanenzPos >= 1 && store.PermanenzPos <= HistoryLimit) {
        store.Permanenz[static_cast<std::size_t>(store.PermanenzPos - 1)] = code;
    }
    if (store.PermanenzPos <= HistoryLimit) {
        ++store.PermanenzPos;
    }
}

StatCount Stat_Update(StatisticsStore& store, const PocketRecord& pocket, bool extendedStatistics) {
    const int number = pocket.number;
    if (store.StatHowOften[TotalSlot] >= HistoryLimit || number > HighestCounted) {
        return StatCount::NotCounted;
    }
    ++store.StatHowOften[number];
    ++store.StatHowOften[TotalSlot];
    ++store.YearCups;
    if (extendedStatistics) {
        store.StatSinceNot.advance();
        store.StatSinceNot.won(number);
    }
    FieldCounter counter(store.StatHowOften, &store.StatSinceNot);
    counter.countOuterFields(pocket);
    if (extendedStatistics) {
        counter.countInnerFields(pocket);
    }
    return store.StatHowOften[TotalSlot] == HistoryLimit ? StatCount::LimitReached
                                                         : StatCount::Counted;
}

bool Stat_CountsLastCoup(const StatisticsStore& store, const PocketRecord& pocket) {
    return CoupCode(pocket) && pocket.number <= HighestCounted &&
           store.StatHowOften[TotalSlot] == HistoryLimit - 1;
}

StatCount Stat_RecordCoup(StatisticsStore& store, const PocketRecord& pocket,
                          bool extendedStatistics) {
    const std::optional<std::uint8_t> code = CoupCode(pocket);
    if (!code) {
        return StatCount::NotCounted;
    }
    Permanenz_Append(store, *code);
    return Stat_Update(store, pocket, extendedStatistics);
}

void Stat_Reset(StatisticsStore& store) {
    store.StatHowOften.fill(0);
    store.StatSinceNot.clear();
    clearPlayerResults(store.playerResults);
}

void Stat_EndGame(StatisticsStore& store) {
    Stat_Reset(store);
    store.YearCups = 0;
    store.PermanenzPos = 1;
}

void Analysis_Clear(StatisticsStore& store) {
    store.AnalysisHowOften.fill(0);
    store.AnalysisSeparatorCount = 0;
}

bool Analysis_Append(StatisticsStore& store, std::uint8_t code) {
    const std::size_t entries = store.analysisHistory().size();
    if (entries >= HistoryLimit) {
        return false;
    }
    store.AnalysisPermanenz[entries] = code;
    if (code == DaySeparatorCode) {
        ++store.AnalysisSeparatorCount;
    } else {
        ++store.AnalysisHowOften[TotalSlot];
    }
    return true;
}

void Analysis_Recount(StatisticsStore& store, std::span<const PocketRecord> pocketTable) {
    // The first pocket holding each number, looked up once instead of once per entry.
    std::array<const PocketRecord*, HighestCounted + 1> pocketOf{};
    for (const PocketRecord& pocket : pocketTable) {
        if (pocket.number <= HighestCounted && pocketOf[pocket.number] == nullptr) {
            pocketOf[pocket.number] = &pocket;
        }
    }
    std::fill(store.AnalysisHowOften.begin(), store.AnalysisHowOften.end() - 1, 0);
    FieldCounter counter(store.AnalysisHowOften, nullptr);
    for (std::uint8_t code : store.analysisHistory()) {
        const std::optional<int> number = CoupNumber(code);
        if (!number || *number > HighestCounted || pocketOf[*number] == nullptr) {
            continue;
        }
        const PocketRecord& pocket = *pocketOf[*number];
        counter.count(pocket.number);
        counter.countOuterFields(pocket);
        counter.countInnerFields(pocket);
    }
}

} // namespace quendra
