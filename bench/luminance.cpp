// Speed of the luminance measure over a whole picture (the contrast tab measures up to 76,800
// pixels per mouse move) and of the extremes over one profile row, with the alternative ways of
// computing the measure for comparison.
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "analysis/Extremes.h"
#include "analysis/Luminance.h"

namespace {

constexpr int PictureWidth = 320;
constexpr int PictureHeight = 240;

enum class Scene { Gradient, Noise };

// Noise: every pixel an unrelated colour (worst case for a lookup table). Gradient: smoothly
// varying colours, closer to a photograph.
std::vector<TColor> MakePicture(Scene scene)
{
    std::vector<TColor> pixels(PictureWidth * PictureHeight);
    std::mt19937 random(12345);
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x) {
            TColor& pixel = pixels[y * PictureWidth + x];
            if (scene == Scene::Noise)
                pixel = random() & 0xFFFFFF;
            else
                pixel = RGB(static_cast<std::uint8_t>(x * 255 / PictureWidth),
                            static_cast<std::uint8_t>(y * 255 / PictureHeight),
                            static_cast<std::uint8_t>((x + y) / 3));
        }
    return pixels;
}

// The rule as usually written: weighted decimal sum in integers, one less on the colours where the
// stored weights fall just short of a whole number.
unsigned IntegerRuleLuminance(TColor colour)
{
    const unsigned blue = (colour >> 16) & 0xFF, green = (colour >> 8) & 0xFF, red = colour & 0xFF;
    const unsigned weighted = 11 * blue + 59 * green + 30 * red;
    const bool justShort = weighted % 100 == 0 && blue < 56 * green + 20 * red;
    return weighted / 100 + (justShort ? 0 : 1);
}

// The same fixed-point weights as Luminance, multiplied instead of looked up.
unsigned MultipliedLuminance(TColor colour)
{
    using namespace LuminanceFixedPoint;
    const std::uint32_t blue = (colour >> 16) & 0xFF, green = (colour >> 8) & 0xFF, red = colour & 0xFF;
    return 1 + ((blue * BlueWeight + green * GreenWeight + red * RedWeight) >> Shift);
}

// One byte per colour: 16 MiB.
const std::uint8_t* LuminanceTable()
{
    static const std::unique_ptr<std::uint8_t[]> table = [] {
        auto entries = std::make_unique<std::uint8_t[]>(std::size_t{1} << 24);
        for (std::uint32_t colour = 0; colour < (1u << 24); ++colour)
            entries[colour] = static_cast<std::uint8_t>(Luminance(colour));
        return entries;
    }();
    return table.get();
}

template <typename Measure>
void MeasurePicture(benchmark::State& state, Measure measure)
{
    const std::vector<TColor> pixels = MakePicture(static_cast<Scene>(state.range(0)));
    std::vector<unsigned> measures(pixels.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < pixels.size(); ++i)
            measures[i] = measure(pixels[i]);
        benchmark::DoNotOptimize(measures.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pixels.size()));
}

void BM_Luminance_Picture(benchmark::State& state)
{
    MeasurePicture(state, [](TColor colour) { return Luminance(colour); });
}

void BM_Multiplied_Picture(benchmark::State& state)
{
    MeasurePicture(state, [](TColor colour) { return MultipliedLuminance(colour); });
}

void BM_IntegerRule_Picture(benchmark::State& state)
{
    MeasurePicture(state, [](TColor colour) { return IntegerRuleLuminance(colour); });
}

void BM_Table_Picture(benchmark::State& state)
{
    const std::uint8_t* table = LuminanceTable();
    MeasurePicture(state, [table](TColor colour) -> unsigned { return table[colour & 0xFFFFFF]; });
}

// A picture pixel by pixel as a profile or region scan does it: measure, then the extremes.
void BM_Luminance_PictureExtremes(benchmark::State& state)
{
    const std::vector<TColor> pixels = MakePicture(static_cast<Scene>(state.range(0)));
    for (auto _ : state) {
        Extremes extremes;
        for (TColor pixel : pixels)
            extremes.Add(Luminance(pixel));
        benchmark::DoNotOptimize(extremes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pixels.size()));
}

void BM_Extremes_Row(benchmark::State& state)
{
    std::vector<TColor> row = MakePicture(static_cast<Scene>(state.range(0)));
    row.resize(PictureWidth);
    std::vector<unsigned> measures;
    for (TColor pixel : row)
        measures.push_back(Luminance(pixel));
    for (auto _ : state) {
        Extremes extremes;
        for (unsigned measure : measures)
            extremes.Add(measure);
        benchmark::DoNotOptimize(extremes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(measures.size()));
}

#define SCENES ArgName("noise")->Arg(static_cast<int>(Scene::Gradient))->Arg(static_cast<int>(Scene::Noise))
BENCHMARK(BM_Luminance_Picture)->SCENES;
BENCHMARK(BM_Multiplied_Picture)->SCENES;
BENCHMARK(BM_IntegerRule_Picture)->SCENES;
BENCHMARK(BM_Table_Picture)->SCENES;
BENCHMARK(BM_Luminance_PictureExtremes)->SCENES;
BENCHMARK(BM_Extremes_Row)->SCENES;

}  // namespace
