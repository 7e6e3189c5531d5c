#pragma once
// Holds back the change reports of a slot's bitmap while many primitives are drawn on it, and
// reports once when done: a profile is hundreds of line segments, and each would otherwise ask the
// view to repaint the graph.
#include <utility>

#include "platform/graphics/Bitmap.h"

class TBatchedRepaint {
public:
    explicit TBatchedRepaint(TCanvas& canvas)
        : bitmap_(canvas.Target()), report_(std::exchange(bitmap_.OnChange, nullptr))
    {
    }
    // Also on the way out of an error: what was drawn before it must show.
    ~TBatchedRepaint()
    {
        bitmap_.OnChange = std::move(report_);
        if (bitmap_.OnChange)
            bitmap_.OnChange(&bitmap_);
    }
    TBatchedRepaint(const TBatchedRepaint&) = delete;
    TBatchedRepaint& operator=(const TBatchedRepaint&) = delete;

private:
    TBitmap& bitmap_;
    TNotifyEvent report_;
};
