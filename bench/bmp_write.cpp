// Writing BMP images into memory.
#include <benchmark/benchmark.h>

#include "bench/bmp_fixture.h"

namespace {

using namespace bmpbench;

void BM_WriteBmpFile(benchmark::State& state)
{
    const auto format = static_cast<TPixelFormat>(state.range(0));
    const TDib dib = PatternedDib(6000, 4000, format);
    for (auto _ : state) {
        TMemoryStream stream;
        WriteBmpFile(dib, stream);
        benchmark::DoNotOptimize(stream.Memory());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * dib.Bits.size()));
    state.SetLabel(format == TPixelFormat::pf8bit ? "6000x4000x8" : "6000x4000x24");
}
BENCHMARK(BM_WriteBmpFile)
    ->Arg(static_cast<int>(TPixelFormat::pf24bit))
    ->Arg(static_cast<int>(TPixelFormat::pf8bit))
    ->Unit(benchmark::kMillisecond);

}  // namespace
