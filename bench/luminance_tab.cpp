// The luminance tab's hot paths on the real main window, headless: a pointer move over the picture
// with both buttons held (both profiles, each drawn twice because writing its coordinate box runs
// the box's change handler, and the pixel read-out) and a typed column. Input goes through the same
// guarded entry points the Qt host uses; no view is attached, so repainting is not measured. One
// run of the horizontal profile (of the row its box already shows, so the box's handler does not
// draw it again) is the baseline: "vs_profile" is a hot path's time over it, timed alternately in
// the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "app/Form1.h"
#include "platform/controls/Application.h"
#include "platform/controls/FakeServices.h"
#include "platform/controls/HostInput.h"
#include "platform/core/SysUtils.h"

namespace {

using Clock = std::chrono::steady_clock;

enum class Scene { Gradient, Noise };

std::unique_ptr<TBitmap> MakePicture(Scene scene)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(320, 240);
    std::mt19937 random(12345);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            bitmap->SetPixelAt(x, y,
                               scene == Scene::Noise
                                   ? static_cast<TColor>(random() & 0xFFFFFF)
                                   : RGB(static_cast<std::uint8_t>(x * 255 / 320), static_cast<std::uint8_t>(y * 255 / 240),
                                         static_cast<std::uint8_t>((x + y) / 3)));
    return bitmap;
}

// The program's window with a picture loaded, as after File > Open.
class Window {
public:
    explicit Window(Scene scene)
    {
        application->SetTitle("Quorvel 画像分析");
        application->CreateForm(form);
        const auto picture = MakePicture(scene);
        form->Image1->Picture()->Bitmap()->Assign(picture.get());
        form->Image9->Picture()->Bitmap()->Assign(picture.get());
    }
    TForm1& Form() { return *form; }
    TWinControl& Tab() { return *form->TabSheet1; }
    // Image5's point (x, y) in its tab's coordinates.
    TPoint OnPicture(int x, int y) const { return Point(form->Image5->Left() + x, form->Image5->Top() + y); }

private:
    TFakeServices fakes;
    TApplicationScope application;
    TForm1* form = nullptr;
};

// Both buttons held; each move lands on another row and column, so both profiles redraw.
void MoveWithBothButtons(Window& window, int step)
{
    const TPoint p = window.OnPicture(step % 320, (step * 7) % 240);
    HostMouseMove(window.Tab(), {TShiftStateFlag::ssLeft, TShiftStateFlag::ssRight}, p.X, p.Y);
}

// A different column each time (1..319: "0" draws nothing).
void TypeColumn(Window& window, int step) { HostTyped(*window.Form().Edit1, IntToStr(1 + step % 319)); }

// Row 120 over and over: after the first time its box holds "120" and the profile runs once.
void DrawRowOnce(Window& window) { window.Form().LuminanceTab().DrawHorizontalProfile(120); }

template <class HotPath>
void MeasureAgainstProfile(benchmark::State& state, HotPath hotPath)
{
    Window window(static_cast<Scene>(state.range(0)));
    const TPoint start = window.OnPicture(0, 0);
    HostMouseDown(window.Tab(), TMouseButton::mbLeft, {}, start.X, start.Y);  // the picture takes the pointer
    double hotSeconds = 0, profileSeconds = 0;
    DrawRowOnce(window);
    int step = 0;
    for (auto _ : state) {
        ++step;
        const auto t0 = Clock::now();
        DrawRowOnce(window);
        const auto t1 = Clock::now();
        hotPath(window, step);
        const auto t2 = Clock::now();
        const double hot = std::chrono::duration<double>(t2 - t1).count();
        profileSeconds += std::chrono::duration<double>(t1 - t0).count();
        hotSeconds += hot;
        state.SetIterationTime(hot);
    }
    state.counters["vs_profile"] = hotSeconds / profileSeconds;
}

void BM_PointerMoveBothButtonsHeld(benchmark::State& state) { MeasureAgainstProfile(state, MoveWithBothButtons); }
void BM_TypedColumn(benchmark::State& state) { MeasureAgainstProfile(state, TypeColumn); }

void BM_PointerMoveNoButton(benchmark::State& state)
{
    Window window(static_cast<Scene>(state.range(0)));
    int step = 0;
    for (auto _ : state) {
        ++step;
        const TPoint p = window.OnPicture(step % 320, (step * 7) % 240);
        HostMouseMove(window.Tab(), {}, p.X, p.Y);
    }
}

// One run of each profile, the box already showing its coordinate.
void BM_DrawHorizontalProfile(benchmark::State& state)
{
    Window window(static_cast<Scene>(state.range(0)));
    DrawRowOnce(window);
    for (auto _ : state)
        DrawRowOnce(window);
}

void BM_DrawVerticalProfile(benchmark::State& state)
{
    Window window(static_cast<Scene>(state.range(0)));
    for (auto _ : state)
        window.Form().LuminanceTab().DrawVerticalProfile(160);
}

#define SCENES ArgName("noise")->Arg(static_cast<int>(Scene::Gradient))->Arg(static_cast<int>(Scene::Noise))
BENCHMARK(BM_PointerMoveBothButtonsHeld)->SCENES->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypedColumn)->SCENES->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PointerMoveNoButton)->SCENES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawHorizontalProfile)->SCENES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawVerticalProfile)->SCENES->Unit(benchmark::kMicrosecond);

}  // namespace
