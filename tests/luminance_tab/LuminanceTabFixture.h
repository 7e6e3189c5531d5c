#pragma once
// The main window with helpers for looking at the luminance tab's graphs and overlays.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "analysis/GraphScale.h"
#include "analysis/Luminance.h"
#include "tests/support/MainWindowFixture.h"

using TPixelSet = std::set<std::pair<int, int>>;  // (x, y)

class LuminanceTabFixture : public MainWindowFixture {
protected:
    static constexpr int GraphAxis = 210;

    LuminanceTabFixture() { application->SetTitle("Quorvel 画像分析"); }

    static TColor Grey(int level) { return RGB(level, level, level); }
    void LoadSolid(int width, int height, TColor colour) { LoadPicture(*SolidBitmap(width, height, colour)); }

    // The pixels of a slot that measure 1: the graph line (black) on a graph.
    static TPixelSet LinePixels(TImage* image)
    {
        TPixelSet pixels;
        for (int y = 0; y < image->Height(); ++y)
            for (int x = 0; x < image->Width(); ++x)
                if (Luminance(PixelOf(image, x, y)) == 1)
                    pixels.emplace(x, y);
        return pixels;
    }
    // The pixels of an overlay that show (are not white); none for an empty slot.
    static TPixelSet ShownPixels(TImage* image)
    {
        TPixelSet pixels;
        if (IsEmptySlot(image))
            return pixels;
        for (int y = 0; y < image->Height(); ++y)
            for (int x = 0; x < image->Width(); ++x)
                if (PixelOf(image, x, y) != clWhite)
                    pixels.emplace(x, y);
        return pixels;
    }
    // Columns x0..x1-1 of row y; rows y0..y1-1 of column x.
    static TPixelSet Row(int y, int x0, int x1)
    {
        TPixelSet pixels;
        for (int x = x0; x < x1; ++x)
            pixels.emplace(x, y);
        return pixels;
    }
    static TPixelSet Column(int x, int y0, int y1)
    {
        TPixelSet pixels;
        for (int y = y0; y < y1; ++y)
            pixels.emplace(x, y);
        return pixels;
    }

    // The graph of a profile whose every pixel measures `measure`: the line at the line position
    // over all but the last index (a line's end point is not painted), and the one-pixel step from
    // the start position at index 0 when that lies on the graph.
    static TPixelSet FlatHorizontalGraph(unsigned measure)
    {
        TPixelSet pixels = Row(GraphLinePosition(measure, GraphAxis), 0, 319);
        const int start = GraphStartPosition(measure, GraphAxis);
        if (start < GraphAxis)
            pixels.emplace(0, start);
        return pixels;
    }
    static TPixelSet FlatVerticalGraph(unsigned measure)
    {
        TPixelSet pixels = Column(GraphLinePosition(measure, GraphAxis), 0, 239);
        const int start = GraphStartPosition(measure, GraphAxis);
        if (start < GraphAxis)
            pixels.emplace(start, 0);
        return pixels;
    }

    // Input as the host delivers it, errors going to the application's error box.
    template <class F>
    void Guarded(F&& action)
    {
        application->Guard(std::forward<F>(action));
    }
    // The texts of the error boxes shown so far, each checked for the application's caption.
    std::vector<std::string> ErrorTexts() const
    {
        std::vector<std::string> texts;
        for (const TShownMessageBox& box : fakes.MessageBoxes.Shown) {
            EXPECT_EQ(box.Caption, "Quorvel 画像分析");
            texts.push_back(box.Text);
        }
        return texts;
    }

    static constexpr TShiftState LeftHeld{TShiftStateFlag::ssLeft};
    static constexpr TShiftState RightHeld{TShiftStateFlag::ssRight};
    static constexpr TShiftState MiddleHeld{TShiftStateFlag::ssMiddle};
};
