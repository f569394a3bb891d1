// Permanence files: counting the coups of a 50 MB load file (the load menu counts every listed
// file), analysing a 32000-coup file (the analysis menu's "Datei laden ...") and importing a
// million coups of a comma-separated record.
#include "BenchSupport.h"
#include "game/Game.h"
#include "permanence/AnalysisLoader.h"
#include "permanence/CoupCounter.h"
#include "permanence/DelimitedImport.h"
#include "table/Table.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A load file: a caption line, rows of 5-20 coups, with a day separator every 20 rows.
std::string loadFileText(std::size_t bytes, std::size_t coupLimit, bool separators) {
    std::mt19937 random(42);
    std::string text = "Benchmark Tisch 1\r\n";
    std::size_t coups = 0;
    int rowsToday = 0;
    while (text.size() < bytes && coups < coupLimit) {
        const std::size_t row = 5 + random() % 16;
        for (std::size_t i = 0; i < row && coups < coupLimit; ++i, ++coups) {
            text += std::to_string(random() % 37);
            text += i + 1 < row && coups + 1 < coupLimit ? " " : "";
        }
        text += "\r\n";
        if (separators && ++rowsToday == 20) {
            text += "--\r\n";
            rowsToday = 0;
        }
    }
    return text;
}

fs::path writeTemporary(const std::string& name, const std::string& text) {
    const fs::path path =
        fs::temp_directory_path() / ("quendra-bench-" + std::to_string(::getpid()) + "-" + name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

void BM_CountCupsonFile(benchmark::State& state) {
    const std::string text = loadFileText(50u << 20, SIZE_MAX, true);
    const fs::path file = writeTemporary("count.inp", text);
    std::int64_t coups = 0;
    for (auto _ : state) {
        coups = quendra::CountCupsonFile(file, 36).value_or(-1);
        benchmark::DoNotOptimize(coups);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["coups"] = static_cast<double>(coups);
    fs::remove(file);
}
BENCHMARK(BM_CountCupsonFile)->Unit(benchmark::kMillisecond)->UseRealTime();

using quendra::bench::SilentHost;

void BM_LoadAnalysis(benchmark::State& state) {
    // 32000 coups fill the analysis history exactly.
    const fs::path file = writeTemporary("analysis.inp", loadFileText(SIZE_MAX, 32000, false));
    SilentHost host;
    auto game = std::make_unique<quendra::Game>(host, 1);
    quendra::Table& table = game->state().table;
    table.PocketTable = quendra::standardPocketTable(quendra::TableType::French);
    for (auto _ : state) {
        quendra::loadAnalysis(*game, file, false);
    }
    const auto entries = game->state().statistics.analysisHistory().size();
    state.counters["entries"] = static_cast<double>(entries);
    fs::remove(file);
}
BENCHMARK(BM_LoadAnalysis)->Unit(benchmark::kMillisecond)->UseRealTime();

// The published records: rows of coups separated by commas.
void BM_ConvertDelimitedText(benchmark::State& state) {
    std::string text = loadFileText(SIZE_MAX, 1'000'000, false);
    text.erase(0, text.find('\n') + 1);
    std::replace(text.begin(), text.end(), ' ', ',');
    std::size_t coups = 0;
    for (auto _ : state) {
        const quendra::DelimitedText load = quendra::convertDelimitedText(text, "Tisch 1");
        coups = load.coups;
        benchmark::DoNotOptimize(load.load.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["coups"] = static_cast<double>(coups);
}
BENCHMARK(BM_ConvertDelimitedText)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
