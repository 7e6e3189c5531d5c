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
    // Resizes, keeping the pixels that stay inside; new pixels are white (for the indexed formats
    // the entry nearest white). Negative sizes count as 0.
    void SetSize(std::int32_t width, std::int32_t height);
    // A palette made from the store's colour table on demand (0 for a store without one unless a
    // palette was set); the bitmap owns it.
    HPALETTE Palette() const override;
    // Takes the handle over; for the indexed formats its entries (as many as the depth holds)
    // become the store's colour table. An unknown handle counts as 0.
    void SetPalette(HPALETTE palette) override;
    TPixelFormat PixelFormat() const { return dib_.PixelFormat; }
    // Converts the store, each pixel to its nearest colour; an indexed target keeps the colour table
    // when it fits, else takes DefaultPalette. pfDevice stores 24-bit; pfCustom raises.
    void SetPixelFormat(TPixelFormat format);

    TCanvas& Canvas() { return *canvas_; }
    const TDib& Dib() const { return dib_; }
    // Replaces the store (the BMP reader's result) and reports the change; EInvalidGraphic when the
    // store doesn't describe its bytes (IsWellFormed).
    void SetDib(TDib dib);

    // Direct pixel access for the canvas and for readers that scan whole rows. Neither reports a
    // change: drawing through the canvas does.
    TColor PixelAt(std::int32_t x, std::int32_t y) const;          // inside only
    void SetPixelAt(std::int32_t x, std::int32_t y, TColor color);  // inside only; nearest palette entry
                                                                   // for the indexed formats

    // Copies the pixels into rect (nearest neighbour when stretched), clipped to the canvas.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    void LoadFromStream(TStream& stream) override;   // the BMP reader; the bitmap is unchanged on failure
    void SaveToStream(TStream& stream) override;     // the BMP writer, at the store's own depth
    // CF_BITMAP and CF_DIB: a packed DIB; the palette argument is not needed, the DIB carries its
    // colour table. Other formats raise EInvalidGraphic; the bitmap is unchanged on failure.
    void LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data,
                                 HPALETTE palette) override;
    // CF_BITMAP with a packed DIB, and a copy of the bitmap's palette (0 when it has none) that the
    // caller owns and frees with DeleteObject.
    void SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data,
                               HPALETTE& palette) override;
    // From a bitmap: a deep copy of its pixels, format and palette. From another graphic: a new
    // white 24-bit bitmap of its size with the graphic drawn on it. nullptr empties the bitmap.
    void Assign(const TPersistent* source) override;

    // Called by the canvas after drawing.
    void CanvasChanged() { Changed(this); }

private:
    friend class TCanvas;
    TDib& MutableDib() { return dib_; }
    // Installs a new store, dropping the palette handle made from the old one.
    void ReplaceDib(TDib dib);
    void DropPalette();

    TDib dib_;
    mutable HPALETTE palette_ = 0;  // made from dib_.Palette on demand, or taken over; owned
    std::unique_ptr<TCanvas> canvas_;
};
