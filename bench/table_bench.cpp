// Loading a wheel data file: every table load reads and checks all of its records.
#include "table/Table.h"

#include <benchmark/benchmark.h>
#include <sstream>

static void BM_ReadWheelFile(benchmark::State& state) {
    const auto table = quendra::TableType::American;
    std::ostringstream out;
    quendra::writeWheelFile(out, quendra::standardPocketTable(table));
    const std::string bytes = out.str();
    for (auto _ : state) {
        std::istringstream in(bytes);
        benchmark::DoNotOptimize(quendra::readWheelFile(in, table));
    }
}
BENCHMARK(BM_ReadWheelFile);
