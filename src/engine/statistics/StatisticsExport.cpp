// Header lines and clipboard text of the statistics windows.
#include "statistics/StatisticsExport.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace quendra {
namespace {

constexpr BilingualText FrenchTableText{"Französischer Tisch", "French table"};
constexpr BilingualText AmericanTableText{"Amerikanischer Tisch", "American table"};
constexpr BilingualText RedWord{"ROT", "RED"};
constexpr BilingualText BlackWord{"SCHWARZ", "BLACK"};

// One block of the copied table: a heading (none for the totals) and the grids whose cells
// follow each other on one line pair; numbered grids of one section get a line pair each.
struct TextBlock {
    std::string_view heading;
    std::array<std::string_view, 6> grids;
    bool gridsOnOneLine;
};

constexpr std::array<TextBlock, 9> TextBlocks{{
    {"", {"Gesamt1", "Zero0", "Zero00"}, true},
    {"Pleinueber", {"PleinT18", "PleinT36"}, false},
    {"Carreueber", {"CarreT12", "CarreT23"}, false},
    {"TraSiueber", {"TraSiT11"}, false},
    {"TraPlueber", {"TraplT16"}, false},
    {"Chevalueber", {"ChevalT20", "ChevalT40", "ChevalT60"}, false},
    {"EinfChueber", {"EinF118", "EinFGer", "EinFRot", "EinFSch", "EinFUng", "EinF1836"}, true},
    {"Kolonnueber", {"KolI1", "KolII2", "KolIII3"}, true},
    {"Dutzenueber", {"DutzI1", "DutzII2", "DutzIII3"}, true},
}};

std::string cellLabel(const FigureGrid& grid, const FigureCell& cell, Language language) {
    switch (grid.mark) {
    case LabelMark::Red:
        return std::string(RedWord[language]);
    case LabelMark::Black:
        return std::string(BlackWord[language]);
    case LabelMark::None:
        break;
    }
    return cell.label;
}

struct LinePair {
    std::string labels;
    std::string values;
    bool empty = true;

    void add(std::string_view label, std::string_view value) {
        if (!empty) {
            labels += '\t';
            values += '\t';
        }
        empty = false;
        labels += label;
        values += value;
    }
    void appendTo(std::string& text) const { text += labels + '\n' + values + '\n'; }
};

void addGrid(LinePair& line, const FigureGrid& grid, Language language) {
    for (const FigureCell& cell : grid.cells) {
        line.add(cellLabel(grid, cell, language), cell.value);
    }
}

// The grid each heading of the extended bets window stands above.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> ExtendedBetsHeadings{{
    {"Finaleueber", "Finale"},
    {"ENueber", "EN_0_18"},
    {"ZNueber", "ZN_0_18"},
    {"DNueber", "DN_0_18"},
}};

template <typename Cells>
std::string joinedByTabs(const Cells& cells) {
    std::string line;
    for (const std::string& cell : cells) {
        if (&cell != &*std::begin(cells)) {
            line += '\t';
        }
        line += cell;
    }
    return line;
}

std::string headingText(const HowOftenTable& table, std::string_view name) {
    for (const PlacedText& heading : table.headings) {
        if (heading.name == name) {
            return heading.text;
        }
    }
    return {};
}

} // namespace

std::string_view tableTypeText(TableType table, Language language) {
    return (table == TableType::French ? FrenchTableText : AmericanTableText)[language];
}

std::string printHeaderLine(std::string_view caption, TableType table, Language language,
                            std::chrono::year_month_day date) {
    char day[32];
    const int year = static_cast<int>(date.year());
    const unsigned month = static_cast<unsigned>(date.month());
    const unsigned dayOfMonth = static_cast<unsigned>(date.day());
    if (language == Language::German) {
        std::snprintf(day, sizeof day, "%02u.%02u.%04d", dayOfMonth, month, year);
    } else {
        std::snprintf(day, sizeof day, "%04d-%02u-%02u", year, month, dayOfMonth);
    }
    return std::string(caption) + "  -  " + std::string(tableTypeText(table, language)) + "  -  " +
           day;
}

std::string tabSeparatedText(const HowOftenTable& table, Language language) {
    std::string text = table.caption + '\n';
    for (const TextBlock& block : TextBlocks) {
        if (!block.heading.empty()) {
            text += headingText(table, block.heading) + '\n';
        }
        LinePair shared;
        for (std::string_view name : block.grids) {
            const FigureGrid* grid = name.empty() ? nullptr : table.grid(name);
            if (!grid || !grid->visible) {
                continue;
            }
            if (block.gridsOnOneLine) {
                addGrid(shared, *grid, language);
            } else {
                LinePair own;
                addGrid(own, *grid, language);
                own.appendTo(text);
            }
        }
        if (block.gridsOnOneLine) {
            shared.appendTo(text);
        }
    }
    return text;
}

std::string tabSeparatedText(const PlayerInfoGrids& grids) {
    std::string text;
    for (const PlayerInfoRow* row : {&grids.figures, &grids.results}) {
        LinePair line;
        for (const PlayerInfoColumn& column : *row) {
            line.add(column.label, column.value);
        }
        line.appendTo(text);
    }
    return text;
}

std::string tabSeparatedText(const FrequencyWindow& window) {
    std::string text = window.caption + '\n';
    for (const auto& row : window.cells) {
        text += joinedByTabs(row) + '\n';
    }
    return text;
}

std::string tabSeparatedText(const FollowNumbersWindow& window) {
    std::string text = window.caption + '\n';
    for (const auto* table : {&window.firstTable, &window.secondTable}) {
        for (const FollowNumbersLine& line : *table) {
            text += line.number + '\t' + joinedByTabs(line.followers) + '\n';
        }
    }
    return text;
}

std::string tabSeparatedText(const ExtendedBetsWindow& window) {
    std::string text = window.caption + '\n';
    for (const FigureGrid& grid : window.grids) {
        for (const auto& entry : ExtendedBetsHeadings) {
            const auto& heading = entry.first;
            const auto placed =
                std::find_if(window.headings.begin(), window.headings.end(),
                             [&heading](const PlacedText& h) { return h.name == heading; });
            if (entry.second == grid.name && placed != window.headings.end()) {
                text += placed->text + '\n';
            }
        }
        if (grid.visible) {
            LinePair line;
            for (const FigureCell& cell : grid.cells) {
                line.add(cell.label, cell.value);
            }
            line.appendTo(text);
        }
    }
    return text;
}

std::string tabSeparatedText(std::string_view caption, std::span<const DayPermanenceBlock> blocks) {
    std::string text = std::string(caption) + "\nR\tN\n";
    for (const DayPermanenceBlock& block : blocks) {
        for (const DayPermanenceRow& row : block.rows) {
            text += row.red + '\t' + row.black + '\n';
        }
    }
    return text;
}

std::string tabSeparatedText(std::string_view caption, const WheelPicture& picture, int total,
                             Language language) {
    std::string text = std::string(caption) + '\n' + std::string(TotalWord[language]) + '\t' +
                       std::to_string(total) + '\n';
    for (const WheelSegment& segment : picture.segments) {
        text += segment.label + '\t' + std::to_string(segment.count) + '\n';
    }
    for (int q = 0; q < QuadrantCount; ++q) {
        text += std::string(QuadrantWord) + std::to_string(q + 1) + '\t' +
                std::to_string(picture.quadrantSums[static_cast<std::size_t>(q)]) + '\n';
    }
    return text;
}

std::string withAnalysisDescription(std::string_view text, StatisticsSource source,
                                    const AnalysisBookkeeping& analysis,
                                    const StatisticsStore& store, Language language) {
    if (source != StatisticsSource::Analysis) {
        return std::string(text);
    }
    const std::size_t captionEnd = std::min(text.find('\n'), text.size());
    std::string described(text.substr(0, captionEnd));
    described += '\n' + analysisDescription(analysis, store, language);
    if (captionEnd < text.size()) {
        described += text.substr(captionEnd);
    } else {
        described += '\n';
    }
    return described;
}

} // namespace quendra
