// Speed of one pointer move on the contrast tab with the left button held and the largest region
// (half-sizes 160 and 120: all 76,800 pixels measured, the band erased and drawn again), on the
// real main window built headless. For comparison: the region statistics alone, and the same
// statistics read pixel by pixel through the canvas.
#include <cstdint>
#include <memory>
#include <random>

#include <benchmark/benchmark.h>

#include "analysis/Luminance.h"
#include "analysis/RegionStatistics.h"
#include "app/Form1.h"
#include "platform/controls/Application.h"
#include "platform/controls/FakeServices.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr int Width = 320;
constexpr int Height = 240;

// Unrelated colours in every pixel; range(0) picks the pixel format (24 or 8 bits).
std::unique_ptr<TBitmap> NoisePicture(std::int64_t bits)
{
    auto picture = std::make_unique<TBitmap>();
    picture->SetSize(Width, Height);
    std::mt19937 random(2024);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            picture->SetPixelAt(x, y, random() & 0xFFFFFF);
    if (bits == 8)
        picture->SetPixelFormat(TPixelFormat::pf8bit);
    return picture;
}

void BM_DragMove_WholePicture(benchmark::State& state)
{
    TFakeServices fakes;
    TApplicationScope application;
    TForm1* form = application->CreateForm(Form1);
    form->PageControl1->SetActivePage(form->TabSheet2);
    form->Image9->Picture()->Bitmap()->Assign(NoisePicture(state.range(0)).get());
    form->Edit9->UserSetText("160");
    form->Edit10->UserSetText("120");
    // The overlay lies at (305, 276) on the tab sheet; its centre is the one allowed centre.
    const TPoint centre = form->Image10->ClientToParent(Point(160, 120));
    TWinControl* sheet = form->Image10->Parent();
    sheet->HandleMouseDown(TMouseButton::mbLeft, {}, centre.X, centre.Y);
    const TShiftState leftHeld{TShiftStateFlag::ssLeft};
    for (auto _ : state)
        sheet->HandleMouseMove(leftHeld, centre.X, centre.Y);
    if (form->Edit13->Text().empty())
        state.SkipWithError("no contrast shown");
    state.SetItemsProcessed(state.iterations() * Width * Height);
}

void BM_RegionStatistics_WholePicture(benchmark::State& state)
{
    const auto picture = NoisePicture(state.range(0));
    const TRegionBounds region = RegionAround(Point(160, 120), 160, 120);
    for (auto _ : state) {
        const Extremes extremes = MeasureRegion(*picture, region);
        benchmark::DoNotOptimize(extremes);
    }
    state.SetItemsProcessed(state.iterations() * Width * Height);
}

void BM_PixelReads_WholePicture(benchmark::State& state)
{
    const auto picture = NoisePicture(state.range(0));
    TCanvas& canvas = picture->Canvas();
    for (auto _ : state) {
        Extremes extremes;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                extremes.Add(Luminance(canvas.Pixel(x, y)));
        benchmark::DoNotOptimize(extremes);
    }
    state.SetItemsProcessed(state.iterations() * Width * Height);
}

#define FORMATS ArgName("bits")->Arg(24)->Arg(8)
BENCHMARK(BM_DragMove_WholePicture)->FORMATS->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RegionStatistics_WholePicture)->FORMATS->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PixelReads_WholePicture)->FORMATS->Unit(benchmark::kMicrosecond);

}  // namespace
