// The day permanence's entries, caption, layout and blocks.
#include "statistics/DayPermanence.h"

#include <algorithm>
#include <array>
#include <optional>

namespace quendra {
namespace {

constexpr std::array<BilingualText, 7> WeekdayNames{{
    {"Sonntag", "Sunday"},
    {"Montag", "Monday"},
    {"Dienstag", "Tuesday"},
    {"Mittwoch", "Wednesday"},
    {"Donnerstag", "Thursday"},
    {"Freitag", "Friday"},
    {"Samstag", "Saturday"},
}};

constexpr std::array<BilingualText, 12> MonthNames{{
    {"Januar", "January"},
    {"Februar", "February"},
    {"März", "March"},
    {"April", "April"},
    {"Mai", "May"},
    {"Juni", "June"},
    {"Juli", "July"},
    {"August", "August"},
    {"September", "September"},
    {"Oktober", "October"},
    {"November", "November"},
    {"Dezember", "December"},
}};

constexpr BilingualText GameCaption{"Tagespermanenz vom ", "Day permanence from "};

constexpr int HeaderTop = 32;
constexpr int HeaderHeight = 24;
constexpr int RedLeft = 20;
constexpr int BlackLeft = 52;
constexpr int ColumnWidth = 32;
constexpr int HeadingWidth = 57;
constexpr int HeadingHeight = 13;
constexpr int HeadingLeftOffset = 4;
constexpr int MinimumRows = 5;
constexpr int MinimumBottom = 50;
constexpr int RowsBottom = 70;
constexpr int BlockWidth = 2 * ColumnWidth + 20;

std::string twoDigits(long value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

// "dddd, d mmmm yyyy , hh:mm"
std::string startTimeText(std::chrono::system_clock::time_point time, Language language) {
    using namespace std::chrono;
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss clock{floor<minutes>(time - day)};
    return std::string(WeekdayNames[weekday{day}.c_encoding()][language]) + ", " +
           std::to_string(static_cast<unsigned>(date.day())) + " " +
           std::string(MonthNames[static_cast<unsigned>(date.month()) - 1][language]) + " " +
           std::to_string(static_cast<int>(date.year())) + " , " +
           twoDigits(clock.hours().count()) + ":" + twoDigits(clock.minutes().count());
}

DayPermanenceRow rowOf(std::uint8_t code) {
    if (code == DaySeparatorCode) {
        return {"--", "--", false};
    }
    if (code == 0 || code == DoubleZero) {
        const std::string zero = numberText(code);
        return {zero, zero, true};
    }
    if (code > BlackCodeOffset) {
        return {"", std::to_string(code - BlackCodeOffset), false};
    }
    return {std::to_string(code), "", false};
}

DayPermanenceBlock placedBlock(int block, const DayPermanenceLayout& layout) {
    const int shift = (block - 1) * DayPermanenceBlockStep;
    const int columnHeight = (layout.rowHeight + 1) * layout.rowsPerBlock;
    DayPermanenceBlock placed;
    placed.redHeader = {RedLeft + shift, HeaderTop, ColumnWidth, HeaderHeight};
    placed.blackHeader = {BlackLeft + shift, HeaderTop, ColumnWidth, HeaderHeight};
    placed.redColumn = {RedLeft + shift, DayPermanenceColumnsTop, ColumnWidth, columnHeight};
    placed.blackColumn = {BlackLeft + shift, DayPermanenceColumnsTop, ColumnWidth, columnHeight};
    placed.headingLabel = {placed.redHeader.left - HeadingLeftOffset,
                           placed.redHeader.top - HeaderHeight, HeadingWidth, HeadingHeight};
    return placed;
}

} // namespace

std::span<const std::uint8_t> dayPermanenceEntries(const StatisticsStore& store,
                                                   StatisticsSource source,
                                                   int loadFileSeparators) {
    const std::span<const std::uint8_t> history = sourceHistory(store, source);
    if (source == StatisticsSource::Analysis) {
        return history;
    }
    const long long wanted = static_cast<long long>(store.YearCups) + loadFileSeparators;
    return history.first(static_cast<std::size_t>(
        std::clamp<long long>(wanted, 0, static_cast<long long>(history.size()))));
}

std::string dayPermanenceCaption(StatisticsSource source, Language language,
                                 const AnalysisBookkeeping& analysis,
                                 std::chrono::system_clock::time_point startTime) {
    if (source == StatisticsSource::Analysis) {
        return analysedFilesText(analysis, language, AnalysisPrefixForms::DayPermanence);
    }
    return std::string(GameCaption[language]) + startTimeText(startTime, language);
}

DayPermanenceLayout dayPermanenceLayout(int entries, int fontSize, LayoutSize window) {
    DayPermanenceLayout layout;
    layout.rowHeight = std::max(1, fontSize + 10);
    layout.windowHeight = std::max(
        window.height, DayPermanenceColumnsTop + MinimumRows * layout.rowHeight + MinimumBottom);
    layout.rowsPerBlock = std::max(1, (layout.windowHeight - DayPermanenceColumnsTop - RowsBottom) /
                                          layout.rowHeight);
    const int rows = layout.rowsPerBlock;
    layout.blocks = std::max(1, entries / rows + (entries % rows != 0 ? 1 : 0));
    layout.scrollBar = layout.blocks > window.width / BlockWidth;
    return layout;
}

std::vector<DayPermanenceBlock> dayPermanenceBlocks(std::span<const std::uint8_t> entries,
                                                    const DayPermanenceLayout& layout) {
    std::vector<DayPermanenceBlock> blocks;
    const auto rows = static_cast<std::size_t>(std::max(1, layout.rowsPerBlock));
    int coupsBefore = 0;
    const int blockCount = std::max(layout.blocks, 1);
    for (int block = 1; block <= blockCount; ++block) {
        DayPermanenceBlock placed = placedBlock(block, layout);
        const std::size_t first =
            std::min(entries.size(), static_cast<std::size_t>(block - 1) * rows);
        const std::span<const std::uint8_t> mine =
            entries.subspan(first, std::min(rows, entries.size() - first));
        int coups = 0;
        for (std::uint8_t code : mine) {
            placed.rows.push_back(rowOf(code));
            coups += code == DaySeparatorCode ? 0 : 1;
        }
        if (coups > 0) {
            placed.heading =
                std::to_string(coupsBefore + 1) + " - " + std::to_string(coupsBefore + coups);
        }
        coupsBefore += coups;
        blocks.push_back(std::move(placed));
    }
    return blocks;
}

} // namespace quendra
