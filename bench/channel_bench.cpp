#include <benchmark/benchmark.h>
static void Placeholder(benchmark::State& state) {
    for (auto _ : state) {
    }
}
BENCHMARK(Placeholder);
