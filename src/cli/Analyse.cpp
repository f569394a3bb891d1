#include "Analyse.h"

#include "CliHost.h"
#include "GameSetup.h"
#include "Help.h"
#include "JsonWriter.h"
#include "Options.h"
#include "game/StartUp.h"
#include "permanence/AnalysisLoader.h"
#include "statistics/FollowNumbers.h"
#include "statistics/FrequencyRanking.h"
#include "statistics/WheelDistribution.h"
#include "text/Windows1252.h"

#include <ostream>

namespace quendra::cli {
namespace {

// The fields in the order PL, EC, KL, DZ, TP, TS, CA, CH.
constexpr BetKind HowOftenOrder[] = {BetKind::Plein,
                                     BetKind::EvenChance,
                                     BetKind::Column,
                                     BetKind::Dozen,
                                     BetKind::TransversalePlein,
                                     BetKind::TransversaleSimple,
                                     BetKind::Carre,
                                     BetKind::Cheval};

std::vector<CountedName> howOftenOf(const CounterArray& counters, TableType table) {
    std::vector<CountedName> fields;
    for (BetKind kind : HowOftenOrder) {
        for (int index = firstIndex(kind); index <= lastIndex(kind); ++index) {
            const BetField field{kind, index};
            const auto slot = counterSlot(field);
            if (fieldPresent(table, field) && slot) {
                fields.emplace_back(fieldCode(field), counters[static_cast<std::size_t>(*slot)]);
            }
        }
    }
    return fields;
}

std::vector<RankingRow> rankingOf(const CounterArray& counters, TableType table) {
    std::vector<RankingRow> rows;
    for (const RankingSection& section : rankingSections()) {
        RankingRow& row = rows.emplace_back();
        row.section = std::string(section.label);
        const auto ranks = sectionRanking(counters, section, table);
        for (std::size_t r = 0; r < ranks.size() && r < static_cast<std::size_t>(section.shown);
             ++r) {
            // The window leaves the cell of a field that never came empty.
            if (ranks[r].count != 0) {
                row.ranks.emplace_back(fieldCode({section.kind, ranks[r].code}), ranks[r].count);
            }
        }
    }
    return rows;
}

std::vector<FollowRowReport> followNumbersOf(const StatisticsStore& store, TableType table) {
    const FollowMatrix matrix = followNumbers(sourceHistory(store, StatisticsSource::Analysis),
                                              store.AnalysisHowOften[TotalSlot], table);
    std::vector<FollowRowReport> rows;
    for (std::size_t number = 0; number < matrix.size(); ++number) {
        FollowRowReport& row = rows.emplace_back();
        row.number = numberText(static_cast<int>(number));
        for (std::size_t rank = 0; rank < FollowerRanks; ++rank) {
            if (matrix[number].followerCounts[rank] == 0) {
                break;
            }
            row.followers.emplace_back(numberText(matrix[number].followers[rank]),
                                       matrix[number].followerCounts[rank]);
        }
    }
    return rows;
}

void printCounted(JsonWriter& json, const std::vector<CountedName>& list, const char* name) {
    json.beginArray();
    for (const auto& [text, count] : list) {
        json.beginObject();
        json.field(name, text);
        json.field("count", count);
        json.endObject();
    }
    json.endArray();
}

void printJson(std::ostream& out, const AnalysisReport& report) {
    JsonWriter json(out);
    json.beginObject();
    json.field("coups", report.coups);
    json.field("separators", report.separators);
    json.field("info", report.info);
    json.key("how_often");
    json.beginObject();
    for (const auto& [code, count] : report.howOften) {
        json.field(code, count);
    }
    json.endObject();
    json.key("frequency_ranking");
    json.beginArray();
    for (const RankingRow& row : report.ranking) {
        json.beginObject();
        json.field("section", row.section);
        json.key("ranks");
        printCounted(json, row.ranks, "field");
        json.endObject();
    }
    json.endArray();
    json.key("follow_numbers");
    json.beginArray();
    for (const FollowRowReport& row : report.followNumbers) {
        json.beginObject();
        json.field("number", row.number);
        json.key("followers");
        printCounted(json, row.followers, "number");
        json.endObject();
    }
    json.endArray();
    json.key("quadrants");
    json.beginArray();
    for (std::int64_t sum : report.quadrants) {
        json.value(sum);
    }
    json.endArray();
    json.endObject();
    out << '\n';
}

void printCountedText(std::ostream& out, const std::vector<CountedName>& list) {
    for (const auto& [text, count] : list) {
        out << ' ' << text << '(' << count << ')';
    }
    out << '\n';
}

void printText(std::ostream& out, const AnalysisReport& report) {
    out << "coups: " << report.coups << '\n'
        << "separators: " << report.separators << '\n'
        << "info: " << report.info << '\n'
        << "how often:\n";
    std::string kind;
    for (const auto& [code, count] : report.howOften) {
        if (code.compare(0, 2, kind) != 0) {
            kind = code.substr(0, 2);
            out << (kind == "PL" ? " " : "\n ");
        }
        out << ' ' << code << '=' << count;
    }
    out << "\nfrequency ranking:\n";
    for (const RankingRow& row : report.ranking) {
        out << "  " << row.section << ':';
        printCountedText(out, row.ranks);
    }
    out << "follow numbers:\n";
    for (const FollowRowReport& row : report.followNumbers) {
        out << "  " << row.number << ':';
        printCountedText(out, row.followers);
    }
    out << "quadrants:";
    for (std::int64_t sum : report.quadrants) {
        out << ' ' << sum;
    }
    out << '\n';
}

} // namespace

AnalysisReport analysisReport(const GameState& state) {
    const StatisticsStore& store = state.statistics;
    const TableType table = state.table.type();
    const CounterArray& counters = store.AnalysisHowOften;
    AnalysisReport report;
    report.coups = counters[TotalSlot];
    report.separators = store.AnalysisSeparatorCount;
    report.info = windows1252ToUtf8(state.permanence.analysis.AnalysisInfo);
    report.howOften = howOftenOf(counters, table);
    report.ranking = rankingOf(counters, table);
    report.followNumbers = followNumbersOf(store, table);
    const auto sums = quadrantSums(table, staticCounts(counters));
    std::copy(sums.begin(), sums.end(), report.quadrants.begin());
    return report;
}

void printAnalysis(std::ostream& out, const AnalysisReport& report, bool json) {
    if (json) {
        printJson(out, report);
    } else {
        printText(out, report);
    }
}

int runAnalyse(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    auto parsed = parseAnalyseOptions(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        return reportUsage(err, "analyse", *usage);
    }
    const AnalyseOptions& options = std::get<AnalyseOptions>(parsed);
    if (options.help) {
        out << AnalyseHelp;
        return 0;
    }
    CliHost host(err, false);
    auto game = newGame(host, programFolderFor(options.home), std::nullopt, options.language);
    if (!loadGameTable(*game, options.table)) {
        return 1;
    }
    for (std::size_t i = 0; i < options.files.size(); ++i) {
        loadAnalysis(*game, options.files[i], i > 0);
    }
    printAnalysis(out, analysisReport(game->state()), options.json);
    return host.errorShown() ? 1 : 0;
}

} // namespace quendra::cli
