#pragma once
// Metafiles: an enhanced metafile (.emf) or a placeable Windows metafile (.wmf), kept as the file's
// bytes and checked when read, with the size its header gives at 96 pixels per inch. Playing the
// records comes later; a metafile offers no canvas.
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

    void Draw(TCanvas& canvas, const TRect& rect) override;
    // Reads the rest of the stream; EInvalidGraphic "メタファイルが不正です" for anything that is
    // neither kind, and the metafile is unchanged.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    // CF_ENHMETAFILE: the bytes of an enhanced metafile; CF_METAFILEPICT: the records of a Windows
    // metafile without the placeable header.
    void LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data,
                                 HPALETTE palette) override;
    void SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data,
                               HPALETTE& palette) override;
    void Assign(const TPersistent* source) override;

    bool Enhanced() const { return enhanced_; }
    // The metafile as read.
    const std::vector<std::uint8_t>& Data() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
    bool enhanced_ = true;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};
