#pragma once
// An image slot: at most one picture, shown unscaled from the control's top-left corner and clipped
// to it. Drawing on, or reading pixels of, a slot without a picture first gives it a new white
// bitmap of the control's size; a slot holding another kind of picture (an icon, a metafile) has no
// canvas. A transparent slot (an overlay) leaves out the white pixels of its picture.
#include <memory>

#include "platform/controls/GraphicControl.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"

class TImage : public TGraphicControl {
    QUORVEL_CLASS_INFO(TImage)
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    // Picture()->SetGraphic(nullptr) clears the slot.
    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(const TPicture* picture) { picture_->Assign(picture); }
    // The canvas of the slot's bitmap. Raises EInvalidOperation "ビットマップを持っている時のみイメージ
    // の変更が可能です" when the picture is not a bitmap.
    TCanvas* Canvas();

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { autoSize_ = value; }

private:
    void PictureChanged();

    std::unique_ptr<TPicture> picture_;
    bool transparent_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool autoSize_ = false;
};
