// Coups per second of the statistics update: the super-short game runs it once per coup.
#include "statistics/StatisticsStore.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

std::vector<quendra::PocketRecord> sampleWheel() {
    std::vector<quendra::PocketRecord> wheel(37);
    for (std::size_t i = 0; i < wheel.size(); ++i) {
        quendra::PocketRecord& pocket = wheel[i];
        const auto code = static_cast<std::uint8_t>(i % 11 + 1);
        pocket.number = static_cast<std::uint8_t>(i);
        pocket.colour = i == 0 ? 'H' : (i % 2 ? 'R' : 'S');
        pocket.evenChances = {1, static_cast<std::uint8_t>(i % 2 ? 5 : 2), 3};
        pocket.column = static_cast<std::uint8_t>(i % 3 + 1);
        pocket.dozen = static_cast<std::uint8_t>(i % 3 + 1);
        pocket.transversales = {code, 0, 0, 0};
        pocket.simples = {code, static_cast<std::uint8_t>(code % 11 + 1)};
        pocket.carres = {code, static_cast<std::uint8_t>(code + 1), 0, 0};
        pocket.chevals = {code, static_cast<std::uint8_t>(code + 1),
                          static_cast<std::uint8_t>(code + 2), static_cast<std::uint8_t>(code + 3),
                          0};
    }
    return wheel;
}

// A coup as the spin cycle records it: appended to the history, then counted. The store is
// cleared whenever it is full, so every iteration does the full work.
void BM_StatRecordCoup(benchmark::State& state) {
    const bool extended = state.range(0) != 0;
    const std::vector<quendra::PocketRecord> wheel = sampleWheel();
    auto store = std::make_unique<quendra::StatisticsStore>();
    std::size_t pocket = 0;
    for (auto _ : state) {
        if (quendra::Stat_RecordCoup(*store, wheel[pocket], extended) ==
            quendra::StatCount::LimitReached) {
            quendra::Stat_EndGame(*store);
        }
        pocket = (pocket + 13) % wheel.size();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StatRecordCoup)->ArgName("extended")->Arg(0)->Arg(1);

} // namespace
