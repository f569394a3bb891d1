// Draws per second of the engine's generator: the super-short game draws one per coup.
#include "game/Random.h"

#include <benchmark/benchmark.h>

static void BM_DrawPocket(benchmark::State& state) {
    quendra::Random random(42);
    for (auto _ : state) {
        benchmark::DoNotOptimize(random.between(1, 37));
    }
}
BENCHMARK(BM_DrawPocket);
