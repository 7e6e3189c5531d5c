// Reading BMP images from memory. The 6000 x 4000 24-bit read is compared with a plain copy of the
// same bytes into a fresh buffer, timed alternately in the same run: the "vs_copy" counter is the
// read time over the copy time.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/bmp_fixture.h"

namespace {

using namespace bmpbench;
using Clock = std::chrono::steady_clock;

const std::vector<std::uint8_t>& Photo24()
{
    static const std::vector<std::uint8_t> bytes = BmpBytes(PatternedDib(6000, 4000, TPixelFormat::pf24bit));
    return bytes;
}

void BM_CopyBytes_6000x4000x24(benchmark::State& state)
{
    const auto& bytes = Photo24();
    for (auto _ : state) {
        std::vector<std::uint8_t> copy(bytes);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_CopyBytes_6000x4000x24)->Unit(benchmark::kMillisecond);

void BM_ReadBmpFile_6000x4000x24(benchmark::State& state)
{
    const auto& bytes = Photo24();
    double readSeconds = 0, copySeconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        {
            std::vector<std::uint8_t> copy(bytes);
            benchmark::DoNotOptimize(copy.data());
        }
        const auto t1 = Clock::now();
        {
            TDib dib = ReadBmpFile(bytes.data(), bytes.size());
            benchmark::DoNotOptimize(dib.Bits.data());
        }
        const auto t2 = Clock::now();
        const double read = std::chrono::duration<double>(t2 - t1).count();
        copySeconds += std::chrono::duration<double>(t1 - t0).count();
        readSeconds += read;
        state.SetIterationTime(read);
    }
    state.counters["vs_copy"] = readSeconds / copySeconds;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadBmpFile_6000x4000x24)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ReadBmpStream_6000x4000x24(benchmark::State& state)
{
    TMemoryStream stream(Photo24());
    for (auto _ : state) {
        stream.SetPosition(0);
        TDib dib = ReadBmpStream(stream);
        benchmark::DoNotOptimize(dib.Bits.data());
    }
}
BENCHMARK(BM_ReadBmpStream_6000x4000x24)->Unit(benchmark::kMillisecond);

// The formats that are converted or decoded rather than copied, at 2000 x 2000.
void BM_ReadBmpFile_Other(benchmark::State& state)
{
    const auto format = static_cast<TPixelFormat>(state.range(0));
    const auto bytes = BmpBytes(PatternedDib(2000, 2000, format));
    for (auto _ : state) {
        TDib dib = ReadBmpFile(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(dib.Bits.data());
    }
    state.SetLabel(format == TPixelFormat::pf8bit ? "8 bits" : format == TPixelFormat::pf4bit ? "4 bits" : "16 bits 5-6-5");
}
BENCHMARK(BM_ReadBmpFile_Other)
    ->Arg(static_cast<int>(TPixelFormat::pf8bit))
    ->Arg(static_cast<int>(TPixelFormat::pf4bit))
    ->Arg(static_cast<int>(TPixelFormat::pf16bit))
    ->Unit(benchmark::kMillisecond);

}  // namespace
