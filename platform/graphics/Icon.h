#pragma once
// Icons (.ico): the file's bytes and the one image of it that is shown, the largest (of equal
// sizes the deepest colour). BMP images of 1, 4, 8, 24 and 32 bits with their AND masks and PNG
// images are read. Drawing blends the image over what the canvas holds: by its alpha, or where
// its mask says, leaving the canvas as it is. An icon offers no canvas and can't go to the
// clipboard.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/Graphic.h"

struct TIconImage;

class TIcon : public TGraphic {
    QUORVEL_GRAPHIC_CLASS(TIcon)
public:
    TIcon();
    ~TIcon() override;

    bool Empty() const override { return data_.empty(); }
    // The size of the image shown.
    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }
    // An icon's images have fixed sizes: EInvalidGraphicOperation unless the icon is empty.
    void SetWidth(std::int32_t value) override;
    void SetHeight(std::int32_t value) override;

    // The image, stretched to rect (nearest neighbour), clipped to the canvas.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    // Reads the rest of the stream; EInvalidGraphic "アイコンイメージが不正です" for anything that is
    // not an icon file or whose chosen image can't be decoded, and the icon is unchanged.
    void LoadFromStream(TStream& stream) override;
    // Writes the icon file as read.
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
    std::shared_ptr<const TIconImage> image_;  // never changed once decoded, so copies share it
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};
