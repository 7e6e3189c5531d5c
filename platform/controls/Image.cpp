#include "platform/controls/Image.h"

#include "platform/core/Exceptions.h"

QUORVEL_DEFINE_CLASS_INFO(TGraphicControl, TControl)
QUORVEL_DEFINE_CLASS_INFO(TImage, TGraphicControl)

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>())
{
    picture_->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage()
{
    picture_->OnChange = nullptr;
}

TCanvas* TImage::Canvas()
{
    if (picture_->Graphic() == nullptr) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(Width(), Height());
        picture_->TakeGraphic(std::move(bitmap));
    }
    auto* bitmap = dynamic_cast<TBitmap*>(picture_->Graphic());
    if (bitmap == nullptr)
        throw EInvalidOperation(Messages::NoCanvas);
    return &bitmap->Canvas();
}

void TImage::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    PictureChanged();
}

void TImage::SetStretch(bool value)
{
    if (value == stretch_)
        return;
    stretch_ = value;
    NotifyView(TViewChange::Appearance);
}

void TImage::SetCenter(bool value)
{
    if (value == center_)
        return;
    center_ = value;
    NotifyView(TViewChange::Appearance);
}

void TImage::PictureChanged()
{
    // The graphic carries the slot's transparency, as on the original platform; icons and
    // metafiles have their own.
    TGraphic* graphic = picture_->Graphic();
    if (dynamic_cast<TBitmap*>(graphic) != nullptr && graphic->Transparent() != transparent_)
        graphic->SetTransparent(transparent_);  // reports back here once more, then matches
    NotifyView(TViewChange::Picture);
}
