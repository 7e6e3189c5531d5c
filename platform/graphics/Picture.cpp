#include "platform/graphics/Picture.h"

#include <algorithm>
#include <utility>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Metafile.h"

QUORVEL_DEFINE_CLASS_INFO(TPicture, TPersistent)

namespace {

struct ClipboardFormat {
    std::uint16_t Format;
    TGraphicClass GraphicClass;
};

// Both lists hold the newest registration first, so the first match is the one that wins.
struct FormatRegistry {
    std::vector<TFileFormat> files;
    std::vector<ClipboardFormat> clipboard;
};

std::string WithoutDot(const std::string& extension)
{
    return !extension.empty() && extension.front() == '.' ? extension.substr(1) : extension;
}

void AddFileFormat(FormatRegistry& registry, const std::string& extension, const std::string& description,
                   TGraphicClass graphicClass)
{
    registry.files.insert(registry.files.begin(), TFileFormat{WithoutDot(extension), description, graphicClass});
}

void AddClipboardFormat(FormatRegistry& registry, std::uint16_t format, TGraphicClass graphicClass)
{
    registry.clipboard.insert(registry.clipboard.begin(), ClipboardFormat{format, graphicClass});
}

FormatRegistry BuiltInFormats()
{
    FormatRegistry registry;
    AddFileFormat(registry, "wmf", "メタファイル", TMetafile::StaticGraphicClass());
    AddFileFormat(registry, "emf", "拡張メタファイル", TMetafile::StaticGraphicClass());
    AddFileFormat(registry, "ico", "アイコン", TIcon::StaticGraphicClass());
    AddFileFormat(registry, "bmp", "ビットマップ", TBitmap::StaticGraphicClass());
    AddClipboardFormat(registry, CF_METAFILEPICT, TMetafile::StaticGraphicClass());
    AddClipboardFormat(registry, CF_ENHMETAFILE, TMetafile::StaticGraphicClass());
    AddClipboardFormat(registry, CF_DIB, TBitmap::StaticGraphicClass());
    AddClipboardFormat(registry, CF_BITMAP, TBitmap::StaticGraphicClass());
    return registry;
}

// Function-local so that units registering formats while statics are initialised find it ready.
FormatRegistry& Registry()
{
    static FormatRegistry registry = BuiltInFormats();
    return registry;
}

TGraphicClass ClipboardFormatClass(std::uint16_t format)
{
    for (const ClipboardFormat& entry : Registry().clipboard)
        if (entry.Format == format)
            return entry.GraphicClass;
    return nullptr;
}

}  // namespace

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::HookEvents(TGraphic& graphic)
{
    graphic.OnChange = [this](TObject* sender) { Changed(sender); };
    graphic.OnProgress = ProgressRelay();
}

void TPicture::Attach(std::unique_ptr<TGraphic> graphic)
{
    if (graphic)
        HookEvents(*graphic);
    graphic_ = std::move(graphic);
    Changed(this);
}

void TPicture::Changed(TObject*)
{
    if (OnChange)
        OnChange(this);
}

TProgressEvent TPicture::ProgressRelay()
{
    return [this](TObject* sender, TProgressStage stage, std::uint8_t percentDone, bool redrawNow, const TRect& rect,
                  const std::string& message) {
        if (OnProgress)
            OnProgress(sender, stage, percentDone, redrawNow, rect, message);
    };
}

void TPicture::SetGraphic(TGraphic* graphic)
{
    if (graphic == nullptr) {
        Attach(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = CreateGraphic(graphic->GraphicClass());
    copy->Assign(graphic);
    Attach(std::move(copy));
}

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> graphic) { Attach(std::move(graphic)); }

TBitmap* TPicture::Bitmap()
{
    if (!graphic_ || !graphic_->InheritsFrom(TBitmap::StaticClassInfo()))
        Attach(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(graphic_.get());
}

std::int32_t TPicture::Width() const { return graphic_ ? graphic_->Width() : 0; }

std::int32_t TPicture::Height() const { return graphic_ ? graphic_->Height() : 0; }

void TPicture::LoadFromFile(const std::string& fileName)
{
    const std::string extension = WithoutDot(ExtractFileExt(fileName));
    const TGraphicClass graphicClass = FileFormatClass(extension);
    if (graphicClass == nullptr)
        throw EInvalidGraphic(Format(Messages::UnknownExtension, {extension}));
    std::unique_ptr<TGraphic> graphic = CreateGraphic(graphicClass);
    graphic->OnProgress = ProgressRelay();  // no change reports yet: the picture reports one when it attaches
    graphic->LoadFromFile(fileName);  // on failure the new graphic goes and the old one stays
    Attach(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName)
{
    if (graphic_)
        graphic_->SaveToFile(fileName);
}

void TPicture::LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data,
                                       HPALETTE palette)
{
    const TGraphicClass graphicClass = ClipboardFormatClass(format);
    if (graphicClass == nullptr)
        throw EInvalidGraphic(Messages::UnknownClipboardFormat);
    std::unique_ptr<TGraphic> graphic = CreateGraphic(graphicClass);
    graphic->LoadFromClipboardFormat(format, data, palette);
    Attach(std::move(graphic));
}

void TPicture::SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data, HPALETTE& palette)
{
    if (graphic_)
        graphic_->SaveToClipboardFormat(format, data, palette);
}

bool TPicture::SupportsClipboardFormat(std::uint16_t format) { return ClipboardFormatClass(format) != nullptr; }

void TPicture::Assign(const TPersistent* source)
{
    if (source == nullptr) {
        SetGraphic(nullptr);
    } else if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
        if (picture != this)
            SetGraphic(picture->Graphic());
    } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(const_cast<TGraphic*>(graphic));  // copied, never changed
    } else {
        TPersistent::Assign(source);
    }
}

void TPicture::AssignTo(TPersistent* dest) const
{
    if (graphic_ && dest != nullptr && dest->InheritsFrom(TGraphic::StaticClassInfo()))
        dest->Assign(graphic_.get());
    else
        TPersistent::AssignTo(dest);
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  TGraphicClass graphicClass)
{
    if (graphicClass != nullptr)  // a class-less entry could only hide older ones
        AddFileFormat(Registry(), extension, description, graphicClass);
}

void TPicture::RegisterClipboardFormat(std::uint16_t format, TGraphicClass graphicClass)
{
    if (graphicClass != nullptr)
        AddClipboardFormat(Registry(), format, graphicClass);
}

void TPicture::UnregisterGraphicClass(TGraphicClass graphicClass)
{
    if (graphicClass == nullptr)
        return;
    FormatRegistry& registry = Registry();
    const auto ofClass = [graphicClass](TGraphicClass entryClass) {
        return ClassInheritsFrom(entryClass, *graphicClass);
    };
    std::erase_if(registry.files, [&](const TFileFormat& entry) { return ofClass(entry.GraphicClass); });
    std::erase_if(registry.clipboard, [&](const ClipboardFormat& entry) { return ofClass(entry.GraphicClass); });
}

TGraphicClass TPicture::FileFormatClass(const std::string& extension)
{
    const std::string wanted = WithoutDot(extension);
    for (const TFileFormat& entry : Registry().files)
        if (SameText(entry.Extension, wanted))
            return entry.GraphicClass;
    return nullptr;
}

std::vector<TFileFormat> TPicture::FileFormats() { return Registry().files; }
