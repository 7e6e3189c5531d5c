#pragma once
// Metafiles: an enhanced metafile (.emf), or a Windows metafile (.wmf) with or without its
// placeable header, kept as the file's bytes, checked when read, and played when drawn: lines,
// curves, shapes, pens, brushes, paths, clipping and pictures (text is left out). The size is the
// header's at 96 pixels per inch: the picture frame of an enhanced metafile, the box of a
// placeable one, the window (or else the extent of the drawing) of a plain one. A metafile offers
// no canvas.
#include <cstdint>
#include <vector>

#include "platform/graphics/Graphic.h"

class TMetafile : public TGraphic {
    QUORVEL_GRAPHIC_CLASS(TMetafile)
public:
    TMetafile() = default;

    bool Empty() const override { return data_.empty(); }
    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }
    // The size the picture is shown at; the records are unchanged.
    void SetWidth(std::int32_t value) override;
    void SetHeight(std::int32_t value) override;

    // Plays the records with the picture's frame stretched over rect, clipped to rect and the
    // canvas. Records that don't make sense are skipped; drawing never fails.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    // Reads the rest of the stream; EInvalidGraphic "メタファイルが不正です" for anything that is
    // neither kind or whose records run past its end, and the metafile is unchanged.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    // Reads CF_ENHMETAFILE (the bytes of an enhanced metafile) or CF_METAFILEPICT (the records of
    // a Windows metafile without the placeable header).
    void LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data,
                                 HPALETTE palette) override;
    // Always CF_ENHMETAFILE: an enhanced metafile as read, or for a Windows metafile an enhanced
    // one holding its picture drawn at its own size.
    void SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data,
                               HPALETTE& palette) override;
    void Assign(const TPersistent* source) override;

    bool Enhanced() const { return enhanced_; }
    // The metafile as read.
    const std::vector<std::uint8_t>& Data() const { return data_; }

private:
    // Checks data and takes it over with its size; the metafile is unchanged on failure.
    void Take(std::vector<std::uint8_t> data);

    std::vector<std::uint8_t> data_;
    bool enhanced_ = true;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};
