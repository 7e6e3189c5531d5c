#pragma once
// The platform bitmap: a pixel store of its own (TDib) with the pixel format and palette of the BMP
// it was read from, a canvas to draw on, and BMP reading and writing at its own depth. A fresh
// bitmap is 24-bit.
#include <memory>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Dib.h"
#include "platform/graphics/Graphic.h"

class TBitmap : public TGraphic {
    QUORVEL_GRAPHIC_CLASS(TBitmap)
public:
    TBitmap();
    ~TBitmap() override;

    bool Empty() const override;
    std::int32_t Width() const override { return dib_.Width; }
    std::int32_t Height() const override { return dib_.Height; }
    void SetWidth(std::int32_t value) override;
    void SetHeight(std::int32_t value) override;
    // Resizes, keeping the pixels that stay inside; new pixels are white.
    void SetSize(std::int32_t width, std::int32_t height);
    HPALETTE Palette() const override;
    void SetPalette(HPALETTE palette) override;
    TPixelFormat PixelFormat() const { return dib_.PixelFormat; }
    void SetPixelFormat(TPixelFormat format);

    TCanvas& Canvas() { return *canvas_; }
    const TDib& Dib() const { return dib_; }
    // Replaces the store (the BMP reader's result) and reports the change.
    void SetDib(TDib dib);

    // Direct pixel access for the canvas and for readers that scan whole rows.
    TColor PixelAt(std::int32_t x, std::int32_t y) const;     // inside only
    void SetPixelAt(std::int32_t x, std::int32_t y, TColor color);  // inside only; nearest palette entry
                                                                   // for the indexed formats

    void Draw(TCanvas& canvas, const TRect& rect) override;
    void LoadFromStream(TStream& stream) override;   // the BMP reader; the bitmap is unchanged on failure
    void SaveToStream(TStream& stream) override;     // the BMP writer
    void LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data,
                                 HPALETTE palette) override;
    void SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data,
                               HPALETTE& palette) override;
    void Assign(const TPersistent* source) override;

    // Called by the canvas after drawing.
    void CanvasChanged() { Changed(this); }

private:
    TDib dib_;
    mutable HPALETTE palette_ = 0;  // made from dib_.Palette on demand, owned
    std::unique_ptr<TCanvas> canvas_;
};
