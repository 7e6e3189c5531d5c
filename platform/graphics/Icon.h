#pragma once
// Icons (.ico): the file's bytes, checked when read, with the size of its first image. Drawing and
// the choice among an icon's images come later; an icon offers no canvas and can't go to the
// clipboard.
#include <cstdint>
#include <vector>

#include "platform/graphics/Graphic.h"

class TIcon : public TGraphic {
    QUORVEL_GRAPHIC_CLASS(TIcon)
public:
    TIcon() = default;

    bool Empty() const override { return data_.empty(); }
    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }
    // An icon's images have fixed sizes: EInvalidGraphicOperation unless the icon is empty.
    void SetWidth(std::int32_t value) override;
    void SetHeight(std::int32_t value) override;

    void Draw(TCanvas& canvas, const TRect& rect) override;
    // Reads the rest of the stream; EInvalidGraphic "アイコンイメージが不正です" for anything that is
    // not an icon file, and the icon is unchanged.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    // Both raise EInvalidGraphic "クリップボードはアイコンには対応していません" before anything is
    // touched.
    void LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data,
                                 HPALETTE palette) override;
    void SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data,
                               HPALETTE& palette) override;
    void Assign(const TPersistent* source) override;

    // The icon file as read.
    const std::vector<std::uint8_t>& Data() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};
